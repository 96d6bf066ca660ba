#include "text/editing_number.h"

#include "text/number_format.h"

#include <charconv>

std::string FormatForEditing(double value)
{
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    std::string text(buffer, result.ptr);
    const auto point = text.find('.');
    if (point != std::string::npos)
        text.replace(point, 1, RegionalSeparators().Decimal);
    return text;
}
