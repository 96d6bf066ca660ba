#pragma once
// Inputs are found by name: Name, or the OutputName of a nested evaluation. Names are unique within
// an evaluation.
#include "model/records.h"

// Position of the input of that name in input order, or -1 when no input has it.
int InputPosition(const TOrmetaCalc& calc, const std::string& name);
