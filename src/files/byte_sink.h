#pragma once
// Writes the primitives of an evaluation file to a stream, little-endian, and checks the stream
// after every write: a device that stops taking bytes raises EFileWrite at once.
#include <cstddef>
#include <cstdint>
#include <iosfwd>
#include <string>

// Which text is being written, for the message when Windows-1251 cannot hold it.
struct TextField {
    const char* Ukrainian;
    const char* Russian;
    const std::string& Owner; // name of the evaluation or input the text belongs to
};

class ByteSink {
  public:
    explicit ByteSink(std::ostream& out) : Out(out) {}

    void Int32(int32_t value);
    void Double(double value);
    void Byte(uint8_t value);
    // A container size as an int32 count; a size beyond int32 raises EFileWrite.
    void Count(std::size_t count);
    // Converted to Windows-1251 with CR LF line breaks; a character without a byte raises EFileWrite.
    void Text(const std::string& text, const TextField& field);

    void SizedByte(uint8_t value);
    void SizedInt32(int32_t value);
    void SizedDouble(double value);

  private:
    void Bytes(const char* data, std::size_t count);

    std::ostream& Out;
};
