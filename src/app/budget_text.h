#pragma once
// The budget of a calculated evaluation as plain text: the budget table and the result lines.
#include "model/records.h"

#include <iosfwd>

void PrintBudgetText(const TOrmetaCalc& calc, std::ostream& out);
