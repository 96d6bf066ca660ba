#pragma once
// Coverage factors and the quantiles of the normal and Student distributions, found by summing a
// trapezoid-rule integral in fixed steps.
#include "model/records.h"

#include <cstdint>

// Highest level of confidence the Student quantile accepts: above it the integration would not end.
constexpr double MaxStudentLevel = 0.9999;
// Effective degrees of freedom at or above this count as infinite.
constexpr int64_t DofLimit = 342;

// Two-sided quantile of Student's t with nu degrees of freedom for probability p (step 1e-6);
// the normal quantile for nu >= 342. ECalculation for p outside (0, 1), for p above MaxStudentLevel
// when nu < 342, and for nu < 1.
double CoverageQuantile(int64_t nu, double p);
// Normal coverage factor of the engine's method 1 (step 1e-4). ECalculation for p outside (0, 1) and
// for the levels so close to 1 that the sum never passes them.
double NormalCoverageFactor(double p);
// Gamma(x) for positive whole and half-whole x; -1 otherwise.
double GammaHalf(double x);

// ECalculation naming calc unless 0 < ConfidenceLevel < 1.
void CheckConfidenceLevel(const TOrmetaCalc& calc);

// Chooses the method (for code 0) and fills CoverageFactor, EffectiveDof and CoverageMethod of
// calc, whose inputs already carry their sensitivity coefficients and whose CombinedUncertainty is set.
// Nothing is written when it fails: ECalculation (naming calc) for a level it cannot use or an unknown
// method code, EZeroDivide for a sample of one without degrees of freedom.
void ApplyCoverage(TOrmetaCalc& calc);
