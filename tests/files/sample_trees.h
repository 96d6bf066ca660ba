#pragma once
// Evaluation trees for the file tests: every kind of input, Cyrillic multi-line texts, nesting.
#include "model/records.h"

#include <memory>
#include <string>

// An evaluation named name with Type A inputs of all three modes, Type B inputs of all five
// distributions, depth levels of nested evaluations below it, and a straight-line and a quadratic
// calibration input.
std::unique_ptr<TOrmetaCalc> SampleTree(const std::string& name, int depth);

std::string WriteToBytes(const TOrmetaCalc& calc);
std::unique_ptr<TOrmetaCalc> ReadFromBytes(const std::string& bytes);

// The user's data and the values the constructors derive from it are the same in both trees.
void ExpectSameTree(const TOrmetaCalc& expected, const TOrmetaCalc& actual);

// Sets the message language for the life of the object.
class LanguageScope {
  public:
    explicit LanguageScope(bool ukrainian);
    ~LanguageScope();

  private:
    bool Saved;
};
