#include "engine/budget_table.h"

#include "formula/float_errors.h"
#include "text/editing_number.h"
#include "text/language.h"
#include "text/number_format.h"

#include <cmath>

namespace {
std::string WithUnit(double value, const std::string& unit)
{
    return FormatNumber(value) + " " + unit;
}

std::string NormalName()
{
    return Msg("Нормальний", "Нормальное");
}

std::string UniformName()
{
    return Msg("Рівномірний", "Равномерное");
}

std::string TypeBDistributionName(uint8_t code)
{
    switch (code) {
    case DistNormal:
        return NormalName();
    case DistTriangular:
        return Msg("Трикутний", "Треугольное");
    case DistUShaped:
        return Msg("U-розподіл", "U-Распределение");
    case DistTrapezoidal:
        return Msg("Трапецеподібний", "Трапецеидальное");
    case DistUniform:
        return UniformName();
    default:
        return "";
    }
}

std::string NestedDistributionName(uint8_t method)
{
    switch (method) {
    case MethodNormal:
        return NormalName();
    case MethodUniform:
        return UniformName();
    case MethodStudent:
        return Msg("Розподіл Ст'юдента", "Распределение Ст'юдента");
    default:
        return "";
    }
}
} // namespace

std::string InfinityText()
{
    return Msg("Безмежність", "Бесконечность");
}

std::string DistributionName(const InputView& input)
{
    switch (input.Kind) {
    case InputKind::TypeB:
        return TypeBDistributionName(input.B->Distribution);
    case InputKind::Nested:
        return NestedDistributionName(input.N->CoverageMethod);
    default:
        return NormalName();
    }
}

std::optional<int32_t> InputDegreesOfFreedom(const InputView& input)
{
    // Degrees of freedom of 0 or less stand for none given, as in the records and the files.
    auto given = [](int32_t dof) { return dof > 0 ? std::optional<int32_t>(dof) : std::nullopt; };
    switch (input.Kind) {
    case InputKind::TypeA:
        if (input.A->Dof > 0 || input.A->HasPriorSD)
            return given(input.A->Dof);
        return input.A->Count - 1;
    case InputKind::TypeB:
        return given(input.B->Dof);
    case InputKind::Nested:
        return given(input.N->EffectiveDof);
    case InputKind::TypeG:
        return input.G->Dof > 0 ? input.G->Dof : input.G->Count - 1;
    }
    return std::nullopt;
}

std::string DegreesOfFreedomText(const InputView& input)
{
    const auto dof = InputDegreesOfFreedom(input);
    return dof ? std::to_string(*dof) : InfinityText();
}

double Contribution(const InputView& input)
{
    return std::abs(input.Sensitivity() * input.StdUncertainty());
}

double TotalContribution(const TOrmetaCalc& calc)
{
    double total = 0;
    for (const auto& input : InputsInOrder(calc))
        total += Contribution(input);
    return total;
}

TBudgetTable BuildBudgetTable(const TOrmetaCalc& calc)
{
    TBudgetTable table;
    table.Titles = {Msg("Змінна", "Переменная"),
                    Msg("Приписане значення", "Приписанное значение"),
                    Msg("Станд. невизначеність", "Станд. неопределенность"),
                    Msg("Розподіл імовір.", "Распределение вероятности."),
                    Msg("Ст. свободи", "Ст. свободы"),
                    Msg("Коеф. чутливості", "Коэфф. чувствительности"),
                    Msg("Вклад в невизначеність", "Вклад в неопределенность")};
    for (const auto& input : InputsInOrder(calc)) {
        table.Rows.push_back({input.Name(), WithUnit(input.Value(), input.Unit()),
                              WithUnit(input.StdUncertainty(), input.Unit()), DistributionName(input),
                              DegreesOfFreedomText(input), FormatNumber(input.Sensitivity()),
                              FormatNumber(Contribution(input))});
    }
    table.Rows.push_back({calc.OutputName, WithUnit(calc.Value, calc.OutputUnit),
                          WithUnit(calc.CombinedUncertainty, calc.OutputUnit), "", "", "", ""});
    return table;
}

std::optional<double> RelativeUncertaintyPercent(double uncertainty, double value)
{
    try {
        const double percent = CheckedDivide(CheckedResult(uncertainty * 100), std::abs(value));
        return CheckedResult(std::nearbyint(percent * 100) / 100);
    }
    catch (const EMathError&) {
        return std::nullopt;
    }
}

std::string RelativeUncertaintyText(double uncertainty, double value)
{
    const auto percent = RelativeUncertaintyPercent(uncertainty, value);
    if (!percent)
        return Msg("Неможливо обчислити", "Невозможно вычислить");
    return FormatForEditing(*percent) + "%";
}

std::string CoverageExplanation(uint8_t method)
{
    switch (method) {
    case MethodNormal:
        return Msg("Коефіцієнт охоплення підрахований виходячі із нормального розподілу імовірностей вихідної "
                   "величини математичної моделі вимірювання",
                   "Коэффициент охвата посчитан исходя из нормального распределения вероятностей результата "
                   "измерения");
    case MethodUniform:
        return Msg("Коефіцієнт охоплення підрахований виходячі із рівномірного розподілу імовірностей вихідної "
                   "величини математичної моделі вимірювання",
                   "Коэффициент охвата посчитан исходя из равномерного распределения результата измерения");
    case MethodStudent:
        return Msg("Коефіцієнт охоплення підрахований виходячі із розподілу імовірностей Ст'юдента вихідної "
                   "величини математичної моделі вимірювання",
                   "Коэффициент охвата посчитан исходя из распределения вероятностей Стюдента результата "
                   "измерения");
    default:
        return "";
    }
}

std::optional<std::string> EffectiveDofText(const TOrmetaCalc& calc)
{
    if (calc.EffectiveDof != 0)
        return std::to_string(calc.EffectiveDof);
    if (calc.CoverageMethod == MethodStudent)
        return InfinityText();
    return std::nullopt;
}
