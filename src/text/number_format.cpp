#include "text/number_format.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>
#include <string_view>

#include "text/convert_error.h"
#include "text/language.h"
#include "text/settings.h"

namespace {

TRegionalSeparators Separators;

// A magnitude rounded to a number of significant digits: Digits[0].Digits[1..] × 10^Exponent.
struct TRounded {
    std::string Digits;
    int Exponent = 0;
};

TRounded RoundToSignificant(double magnitude, int significant)
{
    char buffer[64];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::scientific,
                                   significant - 1).ptr;
    const std::string_view text(buffer, end);
    const auto e = text.find('e');
    TRounded rounded;
    for (char c : text.substr(0, e))
        if (c != '.')
            rounded.Digits += c;
    auto exponentText = text.substr(e + 1);
    if (exponentText.front() == '+')
        exponentText.remove_prefix(1);
    std::from_chars(exponentText.data(), exponentText.data() + exponentText.size(), rounded.Exponent);
    return rounded;
}

std::string WithoutTrailingZeros(std::string digits)
{
    const auto last = digits.find_last_not_of('0');
    digits.erase(last == std::string::npos ? 0 : last + 1);
    return digits;
}

std::string ExponentText(int exponent, int minimumDigits, bool alwaysSigned)
{
    std::string digits = std::to_string(std::abs(exponent));
    if (minimumDigits <= 4 && static_cast<int>(digits.size()) < minimumDigits)
        digits.insert(0, minimumDigits - digits.size(), '0');
    const char* sign = exponent < 0 ? "-" : alwaysSigned ? "+" : "";
    return "E" + (sign + digits);
}

// The general form's scientific notation, which the fixed form also falls back to.
std::string ScientificText(const TRounded& rounded, int exponentDigits, const std::string& decimal)
{
    const std::string digits = WithoutTrailingZeros(rounded.Digits);
    std::string text(1, digits.empty() ? '0' : digits[0]);
    if (digits.size() > 1)
        text += decimal + digits.substr(1);
    return text + ExponentText(rounded.Exponent, exponentDigits, false);
}

struct TPositional {
    std::string Integer;
    std::string Fraction;
};

TPositional PositionalFromRounded(const TRounded& rounded)
{
    if (rounded.Exponent < 0)
        return {"0", std::string(-rounded.Exponent - 1, '0') + rounded.Digits};
    std::string digits = rounded.Digits;
    const auto integerDigits = static_cast<std::size_t>(rounded.Exponent) + 1;
    if (digits.size() < integerDigits)
        digits.append(integerDigits - digits.size(), '0');
    return {digits.substr(0, integerDigits), digits.substr(integerDigits)};
}

TPositional PositionalWithDecimals(double magnitude, int decimals)
{
    char buffer[64]; // enough: only magnitudes below 1e18 reach here
    const auto end =
        std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::fixed, decimals).ptr;
    const std::string_view text(buffer, end);
    const auto point = text.find('.');
    if (point == std::string_view::npos)
        return {std::string(text), ""};
    return {std::string(text.substr(0, point)), std::string(text.substr(point + 1))};
}

std::string Grouped(const std::string& integer, const std::string& thousands)
{
    std::string text;
    for (std::size_t i = 0; i < integer.size(); ++i) {
        if (i > 0 && (integer.size() - i) % 3 == 0)
            text += thousands;
        text += integer[i];
    }
    return text;
}

// A value that rounds to zero shows no sign: the sign would be noise below the shown digits.
std::string Signed(bool negative, const std::string& text, bool isZero)
{
    return negative && !isZero ? "-" + text : text;
}

bool AllZeros(std::string_view digits)
{
    return digits.find_first_not_of('0') == std::string_view::npos;
}

std::string ExponentialForm(double value, int precision, int digits, const std::string& decimal)
{
    const TRounded rounded = RoundToSignificant(std::fabs(value), precision);
    const std::string text = rounded.Digits.substr(0, 1) + decimal + rounded.Digits.substr(1)
                             + ExponentText(rounded.Exponent, digits, true);
    return Signed(std::signbit(value), text, AllZeros(rounded.Digits));
}

std::string GeneralForm(double value, int precision, int digits, const std::string& decimal)
{
    TRounded rounded = RoundToSignificant(std::fabs(value), precision);
    if (AllZeros(rounded.Digits))
        return "0";
    std::string text;
    if (rounded.Exponent >= -4 && rounded.Exponent < precision) {
        rounded.Digits = WithoutTrailingZeros(rounded.Digits);
        const TPositional positional = PositionalFromRounded(rounded);
        text = positional.Integer + (positional.Fraction.empty() ? "" : decimal + positional.Fraction);
    } else {
        text = ScientificText(rounded, digits, decimal);
    }
    return Signed(std::signbit(value), text, false);
}

std::string FixedForm(double value, int precision, int digits, const TRegionalSeparators& separators,
                      bool grouping)
{
    const double magnitude = std::fabs(value);
    const TRounded rounded = RoundToSignificant(magnitude, precision);
    if (rounded.Exponent + 1 > precision)
        return Signed(std::signbit(value), ScientificText(rounded, digits, separators.Decimal), false);
    // One rounding only, at whichever limit is coarser: significant digits or decimals.
    const int decimals = std::clamp(digits, 0, 18);
    TPositional positional = precision - 1 - rounded.Exponent < decimals ? PositionalFromRounded(rounded)
                                                                         : PositionalWithDecimals(magnitude, decimals);
    positional.Fraction = WithoutTrailingZeros(positional.Fraction);
    const std::string integer = grouping ? Grouped(positional.Integer, separators.Thousands) : positional.Integer;
    const std::string text = integer + (positional.Fraction.empty() ? "" : separators.Decimal + positional.Fraction);
    return Signed(std::signbit(value), text, positional.Fraction.empty() && AllZeros(positional.Integer));
}

std::string NonFiniteText(double value)
{
    return std::string(std::signbit(value) ? "-" : "") + (std::isnan(value) ? "NAN" : "INF");
}

// For a literal the conversion found out of range: true when it is too large, false when too small.
bool BeyondLargest(std::string_view integer, std::string_view fraction, bool negativeExponent,
                   std::string_view exponentDigits)
{
    int exponent = 0;
    for (char c : exponentDigits)
        exponent = std::min(exponent * 10 + (c - '0'), 1'000'000);
    if (negativeExponent)
        exponent = -exponent;
    const auto firstInteger = integer.find_first_not_of('0');
    const int order = firstInteger != std::string_view::npos
                          ? static_cast<int>(integer.size() - firstInteger) - 1
                          : -static_cast<int>(fraction.find_first_not_of('0')) - 1;
    return order + exponent > 0;
}

// The literal's grammar: spaces, sign, digits, ".", digits, then "E"/"e", sign, digits; either digit group
// before the exponent may be empty. nullopt for a text that does not follow it or lies beyond the double range.
std::optional<double> DecimalLiteral(std::string_view text)
{
    std::size_t i = text.find_first_not_of(' ');
    if (i == std::string_view::npos)
        return std::nullopt;
    const auto optionalSign = [&] {
        const bool present = i < text.size() && (text[i] == '+' || text[i] == '-');
        const bool negative = present && text[i] == '-';
        i += present;
        return negative;
    };
    const auto digitRun = [&] {
        const std::size_t start = i;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9')
            ++i;
        return text.substr(start, i - start);
    };
    const bool negative = optionalSign();
    if (i == text.size())
        return std::nullopt;
    const std::string_view integer = digitRun();
    std::string_view fraction;
    if (i < text.size() && text[i] == '.') {
        ++i;
        fraction = digitRun();
    }
    bool negativeExponent = false;
    std::string_view exponentDigits;
    if (i < text.size() && (text[i] == 'E' || text[i] == 'e')) {
        ++i;
        negativeExponent = optionalSign();
        exponentDigits = digitRun();
        if (exponentDigits.empty())
            return std::nullopt;
    }
    if (i != text.size())
        return std::nullopt;

    std::string canonical = std::string(negative ? "-" : "") + (integer.empty() ? "0" : std::string(integer)) + "."
                            + (fraction.empty() ? "0" : std::string(fraction));
    if (!exponentDigits.empty())
        canonical += std::string(negativeExponent ? "e-" : "e") + std::string(exponentDigits);
    double value = 0;
    const auto result = std::from_chars(canonical.data(), canonical.data() + canonical.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        if (BeyondLargest(integer, fraction, negativeExponent, exponentDigits))
            return std::nullopt;
        return negative ? -0.0 : 0.0; // below the smallest double: underflow is no error
    }
    return value;
}

} // namespace

void SetRegionalSeparators(const TRegionalSeparators& separators)
{
    Separators = separators;
}

const TRegionalSeparators& RegionalSeparators()
{
    return Separators;
}

std::string FormatNumber(double value)
{
    return FormatNumber(value, ReadNumberFormat(), Separators);
}

std::string FormatNumber(double value, const TNumberFormat& format, const TRegionalSeparators& separators)
{
    if (!std::isfinite(value))
        return NonFiniteText(value);
    const int precision = std::clamp(format.Precision, 2, 18);
    switch (format.Format) {
    case 1:
        return ExponentialForm(value, precision, format.Digits, separators.Decimal);
    case 2:
    case 3:
        return FixedForm(value, precision, format.Digits, separators, format.Format == 3);
    default:
        return GeneralForm(value, precision, format.Digits, separators.Decimal);
    }
}

double ParseNumber(const std::string& text)
{
    const std::string suffix = Msg(" - не число! Помилка.", " - не число! Ошибка.");
    std::string copy = text;
    std::ranges::replace(copy, ',', '.');
    if (copy.empty())
        throw EConvertError("\" \"" + suffix);
    const auto value = DecimalLiteral(copy);
    if (!value)
        throw EConvertError(text + suffix);
    return *value;
}
