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

enum class TReportFormat { Pdf, Rtf };

// The three parts of the report that the print options window lets the user leave out or add.
struct TReportOptions {
    std::string File;
    std::string Output;
    TReportFormat Format = TReportFormat::Pdf; // by the extension of Output
    bool Sources = true;  // the cards of the inputs
    bool Nested = false;  // one report per nested evaluation appended
    bool Pareto = true;   // the Pareto chart page
};

// Also applies --lang to the language flag. Raises EUsage.
TReportOptions ParseReportOptions(const std::vector<std::string>& args);

// The usage text of all sub-commands.
std::string UsageText();

// The regional decimal separator, with which number literals in formulas are read, as in the window.
char SystemDecimalSeparator();

// Sets the language flag from "uk" or "ru"; EUsage otherwise.
void ApplyLanguageOption(const std::string& value);
