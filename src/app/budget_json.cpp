#include "app/budget_json.h"

#include "engine/budget_table.h"

#include <cmath>

namespace {
nlohmann::json MethodName(uint8_t method)
{
    switch (method) {
    case MethodNormal:
        return "normal";
    case MethodUniform:
        return "uniform";
    case MethodStudent:
        return "student";
    default:
        return nullptr;
    }
}

nlohmann::json DistributionKey(const InputView& input)
{
    switch (input.Kind) {
    case InputKind::TypeB:
        switch (input.B->Distribution) {
        case DistNormal:
            return "normal";
        case DistTriangular:
            return "triangular";
        case DistUShaped:
            return "u-shaped";
        case DistTrapezoidal:
            return "trapezoidal";
        case DistUniform:
            return "uniform";
        default:
            return nullptr;
        }
    case InputKind::Nested:
        return MethodName(input.N->CoverageMethod);
    default:
        return "normal";
    }
}

const char* KindKey(InputKind kind)
{
    switch (kind) {
    case InputKind::TypeA:
        return "typeA";
    case InputKind::TypeB:
        return "typeB";
    case InputKind::Nested:
        return "calculated";
    case InputKind::TypeG:
        return "calibration";
    }
    return "";
}

nlohmann::json RelativePercent(double uncertainty, double value)
{
    if (value == 0)
        return nullptr;
    const double percent = uncertainty * 100 / std::abs(value);
    return std::isfinite(percent) ? nlohmann::json(percent) : nlohmann::json(nullptr);
}
} // namespace

nlohmann::json BudgetJson(const TOrmetaCalc& calc)
{
    const double expanded = calc.CoverageFactor * calc.CombinedUncertainty;
    nlohmann::json output = {
        {"name", calc.OutputName},
        {"unit", calc.OutputUnit},
        {"value", calc.Value},
        {"standard_uncertainty", calc.CombinedUncertainty},
        {"coverage_factor", calc.CoverageFactor},
        {"expanded_uncertainty", expanded},
        {"effective_dof", calc.EffectiveDof != 0 ? nlohmann::json(calc.EffectiveDof) : nlohmann::json(nullptr)},
        {"coverage_method", MethodName(calc.CoverageMethod)},
        {"confidence_level", calc.ConfidenceLevel},
        {"relative_standard_uncertainty_percent", RelativePercent(calc.CombinedUncertainty, calc.Value)},
        {"relative_expanded_uncertainty_percent", RelativePercent(expanded, calc.Value)},
    };
    const double total = TotalContribution(calc);
    nlohmann::json inputs = nlohmann::json::array();
    for (const auto& input : InputsInOrder(calc)) {
        const double contribution = Contribution(input);
        const auto dof = InputDegreesOfFreedom(input);
        inputs.push_back({
            {"name", input.Name()},
            {"kind", KindKey(input.Kind)},
            {"unit", input.Unit()},
            {"value", input.Value()},
            {"standard_uncertainty", input.StdUncertainty()},
            {"distribution", DistributionKey(input)},
            {"dof", dof ? nlohmann::json(*dof) : nlohmann::json(nullptr)},
            {"sensitivity", input.Sensitivity()},
            {"contribution", contribution},
            {"percent", total != 0 ? nlohmann::json(contribution * 100 / total) : nlohmann::json(nullptr)},
        });
    }
    return {{"output", output}, {"inputs", inputs}};
}
