#include "engine/calculation.h"

#include "engine/combined_variance.h"
#include "engine/coverage.h"
#include "formula/evaluator.h"
#include "formula/float_errors.h"
#include "formula/parser.h"
#include "model/input_order.h"
#include "text/language.h"

#include <algorithm>
#include <cmath>

namespace {

// Central differences step by a tenth of the input's standard uncertainty.
constexpr double StepFactor = 0.1;
// An input known exactly (zero uncertainty) still needs a step: this much of its value, or this
// much absolutely at 0. Its contribution is 0 whatever its coefficient.
constexpr double ExactInputStep = 1e-6;

bool IsBlank(const std::string& text)
{
    return std::all_of(text.begin(), text.end(), [](unsigned char c) { return c <= ' '; });
}

// The formula is parsed between "0+" and "+0", which makes a trailing operator harmless; positions
// are reported in the formula as the user typed it.
std::unique_ptr<TNode> ParseModel(const std::string& formula, const TSymbols& symbols)
{
    const bool wrapped = !IsBlank(formula);
    TParseResult parsed = ParseFormula(wrapped ? "0+" + formula + "+0" : formula, symbols);
    if (parsed.Error) {
        const int32_t position = parsed.Error->Pos - (wrapped ? 2 : 0);
        throw EFormula(position, Msg("Помилка в формулі(або змінних) моделі на позиції ",
                                     "Ошибка в формуле(или переменных) на позиции ") +
                                     std::to_string(position) + ". " + parsed.Error->Text +
                                     Msg(". Обчислення не можливе.", ". Вычисление невозможно."));
    }
    return std::move(parsed.Root);
}

double DifferenceStep(double value, double uncertainty)
{
    const double h = StepFactor * std::abs(uncertainty);
    if (h != 0)
        return h;
    return value != 0 ? ExactInputStep * std::abs(value) : ExactInputStep;
}

// One value at a time is moved off its estimate, in place, and put back.
void ComputeSensitivities(TOrmetaCalc& calc, const TNode& tree, const TSymbols& symbols, TValues& values,
                          char decimalSeparator)
{
    const std::vector<InputView> inputs = InputsInOrder(calc);
    for (size_t k = 0; k < inputs.size(); ++k) {
        const double x = values[k];
        const double h = DifferenceStep(x, inputs[k].StdUncertainty());
        values[k] = x + h;
        const double up = EvaluateTree(tree, symbols, values, decimalSeparator);
        values[k] = x - h;
        const double down = EvaluateTree(tree, symbols, values, decimalSeparator);
        values[k] = x;
        SetInputSensitivity(calc, static_cast<int32_t>(k), CheckedDivide(up - down, 2 * h));
    }
}

} // namespace

void CalcEvaluation(TOrmetaCalc& calc, char decimalSeparator)
{
    CheckConfidenceLevel(calc);
    for (const auto& nested : calc.Nested)
        CalcEvaluation(*nested, decimalSeparator);

    TSymbols symbols;
    TValues values;
    for (const InputView& input : InputsInOrder(calc)) {
        symbols.push_back(input.Name());
        values.push_back(input.Value());
    }
    const std::unique_ptr<TNode> tree = ParseModel(calc.ModelFormula, symbols);
    calc.Value = EvaluateTree(*tree, symbols, values, decimalSeparator);
    ComputeSensitivities(calc, *tree, symbols, values, decimalSeparator);
    calc.CombinedUncertainty = CheckedSqrt(CombinedVariance(calc));
    ApplyCoverage(calc);
}
