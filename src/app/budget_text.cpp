#include "app/budget_text.h"

#include "engine/budget_table.h"
#include "text/language.h"
#include "text/number_format.h"

#include <algorithm>
#include <ostream>

namespace {
// Width in characters, not bytes: the texts are UTF-8 and mostly Cyrillic.
size_t DisplayWidth(const std::string& text)
{
    return std::count_if(text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; });
}

void PrintRow(const TBudgetRow& row, const std::array<size_t, BudgetColumns>& widths, std::ostream& out)
{
    for (int c = 0; c < BudgetColumns; ++c) {
        out << row[c];
        if (c + 1 < BudgetColumns)
            out << std::string(widths[c] - DisplayWidth(row[c]) + 2, ' ');
    }
    out << '\n';
}

void PrintLine(const std::string& label, const std::string& value, std::ostream& out)
{
    out << label << ": " << value << '\n';
}
} // namespace

void PrintBudgetText(const TOrmetaCalc& calc, std::ostream& out)
{
    const TBudgetTable table = BuildBudgetTable(calc);
    std::array<size_t, BudgetColumns> widths{};
    for (int c = 0; c < BudgetColumns; ++c) {
        widths[c] = DisplayWidth(table.Titles[c]);
        for (const auto& row : table.Rows)
            widths[c] = std::max(widths[c], DisplayWidth(row[c]));
    }
    PrintRow(table.Titles, widths, out);
    for (const auto& row : table.Rows)
        PrintRow(row, widths, out);
    out << '\n';

    const double expanded = calc.CoverageFactor * calc.CombinedUncertainty;
    PrintLine(Msg("Коефіцієнт охоплення(покриття)", "Коэффициент охвата(покрытия)"), FormatNumber(calc.CoverageFactor),
              out);
    PrintLine(Msg("Стандартна невизначеність", "Стандартная неопределенность"),
              FormatNumber(calc.CombinedUncertainty) + " " + calc.OutputUnit, out);
    PrintLine(Msg("Розширена невизначеність", "Расширенная неопределенность"),
              FormatNumber(expanded) + " " + calc.OutputUnit, out);
    PrintLine(Msg("Відносна стандартна невизначеність", "Относительная стандартная неопределенность"),
              RelativeUncertaintyText(calc.CombinedUncertainty, calc.Value), out);
    PrintLine(Msg("Відносна розширена невизначеність", "Относительная расширенная неопределенность"),
              RelativeUncertaintyText(expanded, calc.Value), out);
    if (const auto dof = EffectiveDofText(calc))
        PrintLine(Msg("Степені свободи", "Степени свободы"), *dof, out);
    const std::string explanation = CoverageExplanation(calc.CoverageMethod);
    if (!explanation.empty())
        out << explanation << '\n';
}
