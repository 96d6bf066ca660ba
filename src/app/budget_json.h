#pragma once
// The budget of a calculated evaluation as one JSON object with full-precision numbers.
#include "model/records.h"

#include <nlohmann/json.hpp>

nlohmann::json BudgetJson(const TOrmetaCalc& calc);
