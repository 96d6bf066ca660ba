#include "reports/feeds/report_feeds.h"

#include "engine/budget_table.h"
#include "text/editing_number.h"
#include "text/language.h"
#include "text/number_format.h"

#include <array>
#include <cmath>

namespace {

// A unit after a number: two spaces, then the unit (just the spaces when it is empty).
std::string WithUnit(const std::string& number, const std::string& unit)
{
    return number + "  " + unit;
}

std::string NormalText()
{
    return Msg("Нормальний", "Нормальное");
}

// The name of a nested evaluation's coverage method on its card and in the budget.
std::string CoverageMethodText(uint8_t method)
{
    switch (method) {
    case MethodNormal:
        return NormalText();
    case MethodUniform:
        return Msg("Рівномірний", "Равномерное");
    case MethodStudent:
        return Msg("Розподіл Ст'юдента", "Распределение Стюдента");
    default:
        return "";
    }
}

std::string TypeBCardDistribution(uint8_t distribution)
{
    switch (distribution) {
    case DistNormal:
        return NormalText();
    case DistTriangular:
        return Msg("Трикутний", "Треугольное");
    case DistUShaped:
        return Msg("U-подібний", "U-Подобное");
    case DistTrapezoidal:
        return Msg("Трапецієвидний", "Трапецеидальное");
    case DistUniform:
        return Msg("Рівномірний", "Равномерное");
    default:
        return "";
    }
}

// The label and value texts of the three parameter rows of a Type B card.
std::array<std::pair<std::string, std::string>, 3> ParameterRows(const TOrmetaTypeB& input)
{
    const std::string a = WithUnit(FormatForEditing(input.ParamA), input.Unit);
    const std::string b = WithUnit(FormatForEditing(input.ParamB), input.Unit);
    const std::string centre = Msg("Центр інтервалу:", "Центр интервала:");
    const std::string halfWidth = Msg("Півширина інтервалу:", "Полуширина интервала:");
    const bool half = input.HalfWidthForm;
    switch (input.Distribution) {
    case DistNormal:
        return {{{Msg("Ймовірність:", "Вероятность:"), FormatForEditing(input.ParamP)},
                 {half ? centre : Msg("Верхня межа:", "Верхняя граница:"), a},
                 {half ? halfWidth : Msg("Нижня межа:", "Нижняя граница:"), b}}};
    case DistTriangular:
    case DistUniform:
        return {{{half ? centre : Msg("Верхня межа інтервалу:", "Верхняя граница интервала:"), a},
                 {half ? halfWidth : Msg("Нижня межа інтервалу:", "Нижняя граница интервала:"), b},
                 {}}};
    case DistUShaped:
        return {{{Msg("Підсилення (A):", "Усиление (A):"), FormatForEditing(input.ParamP)}, {}, {}}};
    case DistTrapezoidal:
        return {{{centre, WithUnit(FormatForEditing(input.ParamP), input.Unit)}, {"a1:", a}, {"a2:", b}}};
    default:
        return {};
    }
}

// The eight rows common to every card, after its description, variable and kind.
void AddValueRows(TFieldTexts& fields, const InputView& input, const TFeedContext& context,
                  const std::array<const char*, 5> names)
{
    fields.emplace_back(names[0], WithUnit(FormatNumber(input.Value()), input.Unit()));
    fields.emplace_back(names[1], WithUnit(FormatNumber(input.StdUncertainty()), input.Unit()));
    fields.emplace_back(names[2], FormatNumber(input.Sensitivity()));
    fields.emplace_back(names[3], ContributionText(input, context));
    fields.emplace_back(names[4], PercentText(input, context) + " %");
}

InputView ViewOf(const TOrmetaTypeA& input)
{
    return {InputKind::TypeA, 0, &input};
}

InputView ViewOf(const TOrmetaTypeB& input)
{
    return {InputKind::TypeB, 0, nullptr, &input};
}

InputView ViewOf(const TOrmetaCalc& nested)
{
    return {InputKind::Nested, 0, nullptr, nullptr, &nested};
}

InputView ViewOf(const TOrmetaTypeG& input)
{
    return {InputKind::TypeG, 0, nullptr, nullptr, nullptr, &input};
}

std::string ObservationHeading(const std::string& unit)
{
    return Msg("  Значення, ", "  Значение, ") + unit;
}

TFieldTexts NumberRow(const TArrDouble& values, int count, int recNo, const char* numberField, const char* valueField)
{
    if (recNo < 0 || recNo >= count || recNo >= static_cast<int>(values.size()))
        return {};
    return {{numberField, std::to_string(recNo + 1)},
            {valueField, FormatForEditing(values[static_cast<size_t>(recNo)])}};
}

} // namespace

std::string ContributionText(const InputView& input, const TFeedContext& context)
{
    return WithUnit(FormatNumber(Contribution(input)), context.OutputUnit);
}

std::string PercentText(const InputView& input, const TFeedContext& context)
{
    if (context.TotalContribution == 0)
        return "-";
    const double percent = std::fabs(input.Sensitivity() * 100 * input.StdUncertainty() / context.TotalContribution);
    return FormatForEditing(std::nearbyint(percent / 0.001) * 0.001);
}

bool IsPrintedSource(const std::string& name, bool noNestedDetail, const std::string& formulaText)
{
    return !noNestedDetail || formulaText.find(name) != std::string::npos;
}

TFieldTexts TypeACardFields(const TOrmetaTypeA& input, const TFeedContext& context)
{
    TFieldTexts fields = {{"Memo72", input.Description}, {"Memo74", input.Name}, {"Memo76", "Тип A"},
                          {"Memo80", NormalText()}};
    AddValueRows(fields, ViewOf(input), context, {"Memo78", "Memo82", "Memo84", "Memo86", "Memo88"});
    fields.emplace_back("Memo31", ObservationHeading(input.Unit));
    return fields;
}

TFieldTexts TypeBCardFields(const TOrmetaTypeB& input, const TFeedContext& context)
{
    TFieldTexts fields = {{"Memo13", input.Description}, {"Memo15", input.Name}, {"Memo17", "Тип B"}};
    const std::string distribution = TypeBCardDistribution(input.Distribution);
    if (!distribution.empty())
        fields.emplace_back("Memo21", distribution);
    AddValueRows(fields, ViewOf(input), context, {"Memo19", "Memo23", "Memo25", "Memo27", "Memo29"});
    const auto rows = ParameterRows(input);
    const char* names[3][2] = {{"Memo34", "Memo35"}, {"Memo36", "Memo37"}, {"Memo38", "Memo39"}};
    for (size_t row = 0; row < rows.size(); ++row) {
        fields.emplace_back(names[row][0], rows[row].first);
        fields.emplace_back(names[row][1], rows[row].second);
    }
    return fields;
}

TFieldTexts NestedCardFields(const TOrmetaCalc& nested, const TFeedContext& context)
{
    TFieldTexts fields = {{"Memo125", nested.ModelDescription},
                          {"Memo106", nested.OutputName},
                          {"Memo108", Msg("обчислюється", "Вычисляется")}};
    const std::string method = CoverageMethodText(nested.CoverageMethod);
    if (!method.empty())
        fields.emplace_back("Memo112", method);
    AddValueRows(fields, ViewOf(nested), context, {"Memo110", "Memo114", "Memo116", "Memo118", "Memo120"});
    return fields;
}

TFieldTexts CalibrationCardFields(const TOrmetaTypeG& input, const TFeedContext& context)
{
    TFieldTexts fields = {{"Memo133", input.Description},
                          {"Memo135", input.Name},
                          {"Memo137", Msg("Калібрувальна", "Калибровочная")},
                          {"Memo141", NormalText()}};
    AddValueRows(fields, ViewOf(input), context, {"Memo139", "Memo143", "Memo145", "Memo147", "Memo149"});
    fields.emplace_back("Memo151", ObservationHeading(input.Unit));
    return fields;
}

TFieldTexts ObservationRowFields(const TOrmetaTypeA& input, int recNo)
{
    return NumberRow(input.Observations, input.Count, recNo, "Memo32", "Memo33");
}

TFieldTexts MeasurementRowFields(const TOrmetaTypeG& input, int recNo)
{
    return NumberRow(input.Measurements, input.Count, recNo, "Memo152", "Memo153");
}

TFieldTexts BudgetRowFields(const TOrmetaCalc& calc, int recNo, const TFeedContext& context)
{
    const auto inputs = InputsInOrder(calc);
    if (recNo < 0 || recNo >= static_cast<int>(inputs.size()))
        return {};
    const InputView& input = inputs[static_cast<size_t>(recNo)];
    return {{"Memo60", input.Name()},
            {"Memo61", WithUnit(FormatNumber(input.Value()), input.Unit())},
            {"Memo62", WithUnit(FormatNumber(input.StdUncertainty()), input.Unit())},
            {"Memo63", input.Kind == InputKind::Nested ? CoverageMethodText(input.N->CoverageMethod)
                                                       : DistributionName(input)},
            {"Memo96", DegreesOfFreedomText(input)},
            {"Memo64", FormatNumber(input.Sensitivity())},
            {"Memo65", ContributionText(input, context)},
            {"Memo66", PercentText(input, context)}};
}

TFieldTexts SummaryFields(const TSummaryTexts& texts, double value)
{
    const std::string percent = FormatForEditing(ParseNumber(texts.ConfidenceLevel) * 100);
    std::string notes = Msg("Де k - ", "Где k - ") + texts.CoverageExplanation +
                        Msg(" із рівнем довіри ", " с уровнем доверия ") + percent + " %.";
    if (texts.ResultDof)
        notes += "\n" + Msg("Степені свободи результату: ", "Степени свободы результата: ") + *texts.ResultDof;
    return {{"Memo7", texts.Description},
            {"Memo9", texts.ModelDescription},
            {"Memo51", texts.OutputName},
            {"Memo52", texts.ResultValue},
            {"Memo54", texts.StdUncertainty},
            {"Memo57", texts.CoverageFactor + " * " + texts.StdUncertainty + " = " + texts.ExpandedUncertainty},
            {"Memo159", texts.RelativeStd},
            {"Memo160", texts.RelativeExpanded},
            {"Memo67", FormatNumber(value) + " +/- " + texts.ExpandedUncertainty},
            {"Memo68", "( k=" + texts.CoverageFactor + ", p=" + texts.ConfidenceLevel + ")"},
            {"Memo95", notes}};
}
