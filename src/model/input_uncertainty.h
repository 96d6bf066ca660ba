#pragma once
// The estimates and standard uncertainties of the inputs, and the least-squares fits of a
// calibration curve.
#include "model/records.h"

#include <array>

// Standard uncertainty of a normal distribution whose interval [first, second] holds probability P.
// A probability the integration cannot reach (P >= 1 or P <= 0 and NaN) is refused with EConvertError.
double NormalStdUncertainty(double probability, double first, double second);

// The coverage factor that NormalStdUncertainty divides by.
double NormalIntervalFactor(double probability);

// y = a + b x: {a, b}.
std::array<double, 2> FitLine(const TArrDouble& x, const TArrDouble& y);
// y = a + b x + c x^2: {a, b, c}.
std::array<double, 3> FitQuadratic(const TArrDouble& x, const TArrDouble& y);

// Fill Value and StdUncertainty (and the fitted curve of a calibration input) from the entries.
void ComputeTypeA(TOrmetaTypeA& input);
void ComputeTypeB(TOrmetaTypeB& input);
void ComputeTypeG(TOrmetaTypeG& input);
