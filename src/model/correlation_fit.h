#pragma once
// The correlation matrix brought to one row and column per input, as the window's grid gives it
// before every calculation.
#include "model/records.h"

// Keeps the coefficients that exist; those a damaged or older file lacks count as 0.
void FitCorrelationToInputs(TOrmetaCalc& calc);
