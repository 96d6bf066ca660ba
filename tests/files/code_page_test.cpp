#include "text/code_page.h"

#include <gtest/gtest.h>

TEST(CodePage, EveryByteConvertsToUtf8AndBack)
{
    for (int byte = 0; byte < 256; ++byte) {
        const std::string original(1, static_cast<char>(byte));
        const auto back = Utf8ToCp1251(Cp1251ToUtf8(original));
        ASSERT_TRUE(back.has_value()) << byte;
        EXPECT_EQ(original, *back) << byte;
    }
}

TEST(CodePage, UkrainianAndTypographicCharactersHaveTheirBytes)
{
    struct Case {
        const char* Utf8;
        const char* Cp1251;
    };
    const Case cases[] = {
        {"Ё", "\xA8"},      {"ё", "\xB8"},      {"Є", "\xAA"},
        {"є", "\xBA"},      {"І", "\xB2"},      {"і", "\xB3"},
        {"Ї", "\xAF"},      {"ї", "\xBF"},      {"Ґ", "\xA5"},
        {"ґ", "\xB4"},      {"№", "\xB9"},      {"«", "\xAB"},
        {"»", "\xBB"},      {"„", "\x84"},      {"“", "\x93"},
        {"”", "\x94"},      {"–", "\x96"},      {"—", "\x97"},
        {"\u00A0", "\xA0"}, {"€", "\x88"},      {"°", "\xB0"},
        {"±", "\xB1"},      {"µ", "\xB5"},      {"А", "\xC0"},
        {"я", "\xFF"},      {"\u0098", "\x98"}, {"Маса m, кг", "\xCC\xE0\xF1\xE0 m, \xEA\xE3"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Utf8ToCp1251(c.Utf8), std::optional<std::string>(c.Cp1251)) << c.Utf8;
        EXPECT_EQ(Cp1251ToUtf8(c.Cp1251), c.Utf8) << c.Utf8;
    }
}

TEST(CodePage, CharactersWithoutAByteAndMalformedUtf8AreRefused)
{
    const char* const texts[] = {
        "ä",            // Latin-1 letter not in Windows-1251
        "x ≤ y",        // mathematical sign
        "中",           // CJK
        "\U0001F600",   // outside the basic plane
        "\xD0",         // truncated sequence
        "\xC0\x80",     // overlong NUL
        "\xED\xA0\x80", // surrogate half
        "\xFF",         // never a lead byte
        "a\x80",        // continuation without a lead
    };
    for (const char* text : texts)
        EXPECT_EQ(Utf8ToCp1251(text), std::nullopt) << text;
}
