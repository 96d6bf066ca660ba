#pragma once
// The combined variance of an evaluation whose inputs carry their sensitivity coefficients.
#include "model/records.h"

// Sum of (c u)^2 over the inputs in input order, then 2 (c_i u_i)(c_j u_j) R[i][j] for i < j, group
// by group (Type A with Type A, each Type A input with every later input, Type B with Type B, ...).
// Only elements above the diagonal are read, and only where the matrix has them; a missing one
// counts as 0.
double CombinedVariance(const TOrmetaCalc& calc);
