#pragma once
// Counts typed into the input editor (observations, degrees of freedom, calibration sizes) are
// decimal integers.
#include <QString>

#include <optional>

// The integer a text holds (surrounding spaces allowed); nothing for any other text.
std::optional<int> IntegerOf(const QString& text);
// The same, or EConvertError "'text' is not a valid integer value".
int ReadCount(const QString& text);
