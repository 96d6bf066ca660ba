#pragma once
// The uncertainty budget of a calculated evaluation as the texts the user sees: the table of the
// budget tab, the result lines, the relative uncertainties. Shared by the window, the command line
// and the report, in the language of the moment.
#include "model/input_order.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

constexpr int BudgetColumns = 7;
using TBudgetRow = std::array<std::string, BudgetColumns>;

struct TBudgetTable {
    TBudgetRow Titles;
    std::vector<TBudgetRow> Rows; // one per input in input order, then the output quantity
};

TBudgetTable BuildBudgetTable(const TOrmetaCalc& calc);

// "Нормальний", "Рівномірний", … for the input's distribution (a nested evaluation: its coverage method).
std::string DistributionName(const InputView& input);
// The degrees of freedom of an input; nullopt for infinity.
std::optional<int32_t> InputDegreesOfFreedom(const InputView& input);
// The degrees of freedom of an input as shown, "Безмежність" for infinity.
std::string DegreesOfFreedomText(const InputView& input);
std::string InfinityText();
// |c·u| of one input, and the sum over the inputs in input order.
double Contribution(const InputView& input);
double TotalContribution(const TOrmetaCalc& calc);

// u·100/|value| rounded to a multiple of 0.01 (halves to even); nullopt when it cannot be computed.
std::optional<double> RelativeUncertaintyPercent(double uncertainty, double value);
// "1.23%" with the regional separator, or "Неможливо обчислити".
std::string RelativeUncertaintyText(double uncertainty, double value);
// How the coverage factor was obtained, for methods 1, 5 and 6; empty for any other code.
std::string CoverageExplanation(uint8_t method);
// The effective degrees of freedom as shown: the number, "Безмежність" for Student with infinity,
// nullopt when the field is hidden (normal and uniform methods).
std::optional<std::string> EffectiveDofText(const TOrmetaCalc& calc);
