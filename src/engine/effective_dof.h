#pragma once
// Effective degrees of freedom of an evaluation whose inputs carry their sensitivity coefficients.
#include "model/records.h"

#include <cstdint>

// Welch-Satterthwaite (GUM G.2b): u_c^4 / sum of u_i(y)^4 / nu_i with u_i(y) = c_i u(x_i), over the
// inputs with finite degrees of freedom, rounded by RoundDof; DofLimit when no input has finite ones.
// A Type A or calibration input without given degrees of freedom has Count - 1 of them, and
// EZeroDivide when that is 0.
int64_t EffectiveDegreesOfFreedom(const TOrmetaCalc& calc);

// Nearest integer, halves to the even one; anything below 1 gives 1, DofLimit and above DofLimit.
int64_t RoundDof(double nu);
