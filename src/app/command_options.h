#pragma once
// Arguments of the headless sub-commands.
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

enum ExitStatus { ExitSuccess = 0, ExitNotCalculable = 1, ExitUsage = 2, ExitFileUnreadable = 3 };

// Wrong arguments; the message says which.
class EUsage : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct TCalcOptions {
    std::string File;
    bool Json = false;
    double Level = 0.9545;         // what the window shows after opening a file
    uint8_t Method = 0;            // automatic choice
    char DecimalSeparator = '.';   // for number literals in formulas: the system's
};

// Also applies --lang to the language flag. Raises EUsage.
TCalcOptions ParseCalcOptions(const std::vector<std::string>& args);

// The usage text of all sub-commands.
std::string UsageText();

// Sets the language flag from "uk" or "ru"; EUsage otherwise.
void ApplyLanguageOption(const std::string& value);
