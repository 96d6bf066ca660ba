#pragma once
// The uncertainty calculation of one evaluation and everything below it.
#include "model/records.h"

#include <stdexcept>

// An evaluation that cannot be calculated as set up (a level of confidence outside (0, 1), say);
// the message names the evaluation.
class ECalculation : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Computes Value, the sensitivity coefficients, CombinedUncertainty, CoverageFactor, EffectiveDof
// and the method used, nested evaluations first. Raises EFormula for a formula that does not parse,
// EConvertError/EMathError from the evaluation, and ECalculation for a level of confidence outside
// (0, 1) or one the Student quantile refuses. decimalSeparator: how number literals in formulas are read.
void CalcEvaluation(TOrmetaCalc& calc, char decimalSeparator = '.');
