#pragma once
// Numbers shown for editing (observations, parameters, coefficients): the general form with up to
// 15 significant digits and the regional decimal separator, so that what is typed back is the same number.
#include <string>

std::string FormatForEditing(double value);
