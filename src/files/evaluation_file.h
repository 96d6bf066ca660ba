#pragma once
// The evaluation file: a headerless little-endian binary stream holding one evaluation tree.
// Texts are UTF-8 in memory and Windows-1251 with CR LF line breaks in the file.
#include "model/records.h"

#include <cstdint>
#include <iosfwd>
#include <stdexcept>
#include <string>

// Nesting deeper than this is refused by the reader and the writer alike, so that every file the
// program writes it can read, and a hostile file cannot exhaust the stack.
inline constexpr int MaxNestingDepth = 256;

// A file that cannot be read as an evaluation: the message says what is wrong and at which byte.
class EFileFormat : public std::runtime_error {
  public:
    EFileFormat(const std::string& message, uint64_t offset);
    uint64_t Offset;
};

// A file that cannot be written (a text Windows-1251 cannot hold, no permission, a full disk).
class EFileWrite : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

void WriteEvaluation(const TOrmetaCalc& calc, std::ostream& out);
void WriteTypeA(const TOrmetaTypeA& input, std::ostream& out);
void WriteTypeB(const TOrmetaTypeB& input, std::ostream& out);
void WriteTypeG(const TOrmetaTypeG& input, std::ostream& out);

// Reads the rest of the stream, which must be exactly one evaluation block, into a new record.
// Inputs are rebuilt by their constructors; one they cannot build makes the file unreadable.
std::unique_ptr<TOrmetaCalc> ReadEvaluation(std::istream& in);
// Fills target in place; after a failure target holds what was read before it.
void ReadEvaluation(std::istream& in, TOrmetaCalc& target);

// Reads a whole file as one evaluation; EFileFormat names the file's problem.
std::unique_ptr<TOrmetaCalc> LoadEvaluationFromFile(const std::string& path);
// Writes a temporary file beside path and renames it over path only once every byte is written and
// flushed; any failure leaves an existing file untouched and raises EFileWrite.
void SaveEvaluationToFile(const TOrmetaCalc& calc, const std::string& path);
