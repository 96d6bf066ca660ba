#include "text/code_page.h"

#include <array>
#include <cstdint>

namespace {

// Characters of the bytes 0x80-0xBF; 0xC0-0xFF are U+0410-U+044F (А-я) in order.
// 0x98 has no character in Windows-1251; it is taken as U+0098 so that every byte survives a round trip.
constexpr std::array<char32_t, 64> kUpperHalf = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, // 0x80
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F, // 0x88
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 0x90
    0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, // 0x98
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7, // 0xA0
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407, // 0xA8
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7, // 0xB0
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457, // 0xB8
};
constexpr char32_t kFirstLetter = 0x0410; // А, byte 0xC0
constexpr char32_t kLastLetter = 0x044F;  // я, byte 0xFF

char32_t ByteToChar(unsigned char byte)
{
    if (byte < 0x80)
        return byte;
    if (byte < 0xC0)
        return kUpperHalf[byte - 0x80];
    return kFirstLetter + (byte - 0xC0);
}

std::optional<unsigned char> CharToByte(char32_t c)
{
    if (c < 0x80)
        return static_cast<unsigned char>(c);
    if (c >= kFirstLetter && c <= kLastLetter)
        return static_cast<unsigned char>(0xC0 + (c - kFirstLetter));
    for (std::size_t i = 0; i < kUpperHalf.size(); ++i)
        if (kUpperHalf[i] == c)
            return static_cast<unsigned char>(0x80 + i);
    return std::nullopt;
}

void AppendUtf8(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    }
    else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
    else {
        // Every character of the table lies below U+10000.
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// Decodes one UTF-8 sequence at pos and advances pos; nullopt for malformed input (truncated,
// overlong, surrogate, beyond U+10FFFF).
std::optional<char32_t> NextUtf8(const std::string& text, std::size_t& pos)
{
    const auto lead = static_cast<unsigned char>(text[pos]);
    int extra = 0;
    char32_t c = 0;
    char32_t minimum = 0;
    if (lead < 0x80) {
        ++pos;
        return lead;
    }
    if ((lead & 0xE0) == 0xC0) {
        extra = 1;
        c = lead & 0x1F;
        minimum = 0x80;
    }
    else if ((lead & 0xF0) == 0xE0) {
        extra = 2;
        c = lead & 0x0F;
        minimum = 0x800;
    }
    else if ((lead & 0xF8) == 0xF0) {
        extra = 3;
        c = lead & 0x07;
        minimum = 0x10000;
    }
    else {
        return std::nullopt;
    }
    if (text.size() - pos <= static_cast<std::size_t>(extra))
        return std::nullopt;
    for (int i = 1; i <= extra; ++i) {
        const auto next = static_cast<unsigned char>(text[pos + i]);
        if ((next & 0xC0) != 0x80)
            return std::nullopt;
        c = (c << 6) | (next & 0x3F);
    }
    if (c < minimum || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
        return std::nullopt;
    pos += extra + 1;
    return c;
}

} // namespace

std::string Cp1251ToUtf8(const std::string& bytes)
{
    std::string out;
    out.reserve(bytes.size() * 2);
    for (const char byte : bytes)
        AppendUtf8(out, ByteToChar(static_cast<unsigned char>(byte)));
    return out;
}

std::optional<std::string> Utf8ToCp1251(const std::string& text)
{
    std::string out;
    out.reserve(text.size());
    std::size_t pos = 0;
    while (pos < text.size()) {
        const auto c = NextUtf8(text, pos);
        if (!c)
            return std::nullopt;
        const auto byte = CharToByte(*c);
        if (!byte)
            return std::nullopt;
        out += static_cast<char>(*byte);
    }
    return out;
}
