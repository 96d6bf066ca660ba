#pragma once
// Numbers shown to the user and numbers typed by the user.
#include <string>

// The display settings of the "OutFormat" section.
struct TNumberFormat {
    int Format = 2;    // 0 general, 1 exponential, 2 fixed, 3 fixed with thousands grouping
    int Precision = 5; // significant digits
    int Digits = 4;    // fixed: decimals; exponential and general: minimum exponent digits
};

// The user's regional separators (UTF-8 texts, e.g. "," and a no-break space); set at start-up.
struct TRegionalSeparators {
    std::string Decimal = ".";
    std::string Thousands = ",";
};
void SetRegionalSeparators(const TRegionalSeparators& separators);
const TRegionalSeparators& RegionalSeparators();

// Formats by the settings file (read at every call) and the regional separators.
std::string FormatNumber(double value);
// Formats by the given settings and separators.
std::string FormatNumber(double value, const TNumberFormat& format, const TRegionalSeparators& separators);

// Point or comma as the decimal separator; EConvertError with the message of the language flag.
double ParseNumber(const std::string& text);

// A digit count outside 1..18 in the options window.
class ELessZero : public std::exception {
public:
    const char* what() const noexcept override { return ""; }
};
