#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "settings_fixture.h"
#include "text/convert_error.h"
#include "text/number_format.h"

namespace {

const TRegionalSeparators Point{".", ","};
const TRegionalSeparators Ukrainian{",", "\u00A0"};

struct TFormatCase {
    double Value;
    TNumberFormat Format;
    const char* Expected;
};

void ExpectFormats(const TFormatCase* first, const TFormatCase* last, const TRegionalSeparators& separators)
{
    for (; first != last; ++first)
        EXPECT_EQ(FormatNumber(first->Value, first->Format, separators), first->Expected)
            << first->Value << " form " << first->Format.Format << " precision " << first->Format.Precision
            << " digits " << first->Format.Digits;
}

} // namespace

TEST(FormatNumberTest, FixedForm)
{
    const TFormatCase cases[] = {
        // The defaults: at most 5 significant digits and 4 decimals.
        {3.14159265, {2, 5, 4}, "3.1416"},
        {2, {2, 5, 4}, "2"},
        {0, {2, 5, 4}, "0"},
        {100.5, {2, 5, 4}, "100.5"},
        {100, {2, 5, 4}, "100"},
        {-2.5, {2, 5, 4}, "-2.5"},
        {0.00006, {2, 5, 4}, "0.0001"},
        // Below half a unit of the last decimal: zero, and without the sign of a value it no longer shows.
        {0.00001, {2, 5, 4}, "0"},
        {-0.00001, {2, 5, 4}, "0"},
        {-0.0, {2, 5, 4}, "0"},
        // Rounding up to a new digit.
        {9.99999, {2, 5, 4}, "10"},
        {-0.99999, {2, 5, 4}, "-1"},
        // Too many integer digits: the general form's scientific notation, exponent with at least Digits digits.
        {123456.7, {2, 5, 4}, "1.2346E0005"},
        {99999.7, {2, 5, 4}, "1E0005"},
        {-1234567.8, {2, 6, 2}, "-1.23457E06"},
        {1234567.8, {2, 6, 6}, "1.23457E6"},
        // The ordinary form as the options window writes it: Precision 6, Digits n.
        {1234.56789, {2, 6, 3}, "1234.57"},
        {1.23456789, {2, 6, 10}, "1.23457"},
        {0.000123456789, {2, 6, 18}, "0.000123457"},
        // Digits clamped to 0..18, Precision to 2..18.
        {1e-25, {2, 18, 30}, "0"},
        {2.6, {2, 5, -1}, "3"},
        {3.14159, {2, 1, 4}, "3.1"},
        {0.1, {2, 18, 18}, "0.100000000000000006"},
    };
    ExpectFormats(std::begin(cases), std::end(cases), Point);
}

TEST(FormatNumberTest, GroupedFixedForm)
{
    const TFormatCase cases[] = {
        {1234567.891, {3, 10, 2}, "1,234,567.89"},
        {-1234.5, {3, 5, 2}, "-1,234.5"},
        {123456, {3, 6, 0}, "123,456"},
        {123, {3, 5, 4}, "123"},
        {1234567.8, {3, 6, 4}, "1.23457E0006"},
    };
    ExpectFormats(std::begin(cases), std::end(cases), Point);
}

TEST(FormatNumberTest, ExponentialForm)
{
    const TFormatCase cases[] = {
        {1234.56789, {1, 4, 2}, "1.235E+03"},
        {-4.5e-7, {1, 4, 2}, "-4.500E-07"},
        {1e123, {1, 4, 2}, "1.000E+123"},
        {9.9996, {1, 4, 2}, "1.000E+01"},
        {0, {1, 3, 2}, "0.00E+00"},
        {-0.0, {1, 3, 2}, "0.00E+00"},
        {1000, {1, 4, 0}, "1.000E+3"},
        {1000, {1, 4, 4}, "1.000E+0003"},
        {1000, {1, 4, 5}, "1.000E+3"},
        // n = 18 in the options window writes Precision 19, clamped to 18: 17 decimals.
        {1.0 / 3, {1, 19, 2}, "3.33333333333333315E-01"},
    };
    ExpectFormats(std::begin(cases), std::end(cases), Point);
}

TEST(FormatNumberTest, GeneralFormAndUnknownForms)
{
    const TFormatCase cases[] = {
        {1234567.8, {0, 6, 4}, "1.23457E0006"},
        {123456, {0, 5, 2}, "1.2346E05"},
        {100000, {0, 5, 4}, "1E0005"},
        {12345, {0, 5, 4}, "12345"},
        {-0.5, {0, 5, 4}, "-0.5"},
        {0.0001, {0, 5, 4}, "0.0001"},
        {0.00001, {0, 5, 4}, "1E-0005"},
        {0.00001, {0, 5, 5}, "1E-5"},
        {1e-300, {0, 5, 4}, "1E-0300"},
        {0.1, {0, 15, 0}, "0.1"},
        {-0.0, {0, 5, 4}, "0"},
        {1234567.8, {7, 6, 4}, "1.23457E0006"},
        {0.5, {-1, 6, 4}, "0.5"},
    };
    ExpectFormats(std::begin(cases), std::end(cases), Point);
}

TEST(FormatNumberTest, RegionalSeparators)
{
    const TFormatCase cases[] = {
        {3.14159265, {2, 5, 4}, "3,1416"},
        {1234567.891, {3, 10, 2}, "1\u00A0234\u00A0567,89"},
        {1234.5, {1, 3, 2}, "1,23E+03"},
        {123456.7, {2, 5, 4}, "1,2346E0005"},
        {0.25, {0, 5, 4}, "0,25"},
    };
    ExpectFormats(std::begin(cases), std::end(cases), Ukrainian);
}

TEST(FormatNumberTest, NonFiniteValues)
{
    const double infinity = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    for (int form = 0; form <= 3; ++form) {
        const TNumberFormat format{form, 5, 4};
        EXPECT_EQ(FormatNumber(infinity, format, Point), "INF");
        EXPECT_EQ(FormatNumber(-infinity, format, Point), "-INF");
        EXPECT_EQ(FormatNumber(nan, format, Point), "NAN");
        EXPECT_EQ(FormatNumber(std::copysign(nan, -1.0), format, Point), "-NAN");
    }
}

using FormatBySettingsTest = SettingsFileTest;

TEST_F(FormatBySettingsTest, ReadsTheFileAtEveryCall)
{
    const TRegionalSeparators saved = RegionalSeparators();
    SetRegionalSeparators(Point);
    EXPECT_EQ(FormatNumber(3.14159265), "3.1416");
    EXPECT_EQ(FormatNumber(123456.7), "1.2346E0005");

    WriteSettingInt("OutFormat", "Format", 1);
    WriteSettingInt("OutFormat", "Digits", 2);
    WriteSettingInt("OutFormat", "Precision", 4);
    EXPECT_EQ(FormatNumber(1234.56789), "1.235E+03");

    SetRegionalSeparators(Ukrainian);
    EXPECT_EQ(FormatNumber(1234.56789), "1,235E+03");
    SetRegionalSeparators(saved);
}

TEST(ParseNumberTest, AcceptsPointOrCommaLiterals)
{
    const struct {
        const char* Text;
        double Expected;
    } cases[] = {
        {"1,5", 1.5},    {"1.5", 1.5},   {" 1.5", 1.5},   {"+1.5e3", 1500}, {".5", 0.5},    {"5.", 5},
        {"-2E-2", -0.02}, {"1e+2", 100},  {"  -7", -7},    {".", 0},         {"E3", 0},      {"1,000", 1},
        {"-,5", -0.5},   {"4.9e-324", 4.9e-324},
        // Below the smallest double: underflow gives zero, as arithmetic does.
        {"1e-999", 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ParseNumber(c.Text), c.Expected) << c.Text;
}

TEST(ParseNumberTest, RefusesOtherTextsNamingThemAsTyped)
{
    const char* texts[] = {"1.5 ", "1 000", " ", "+", " -", "1e", "1e+", "abc", "1.2.3", "1,5,",
                           "\t1", "--1", "0x10", "inf", "nan", "1e999", "-1e400"};
    const bool savedLanguage = IsUkrainian;
    for (const bool ukrainian : {true, false}) {
        IsUkrainian = ukrainian;
        const std::string suffix = ukrainian ? " - не число! Помилка." : " - не число! Ошибка.";
        for (const char* text : texts) {
            try {
                ParseNumber(text);
                ADD_FAILURE() << "accepted: " << text;
            } catch (const EConvertError& error) {
                EXPECT_EQ(error.what(), text + suffix);
            }
        }
        try {
            ParseNumber("");
            ADD_FAILURE() << "accepted the empty text";
        } catch (const EConvertError& error) {
            EXPECT_EQ(error.what(), "\" \"" + suffix);
        }
    }
    IsUkrainian = savedLanguage;
}
