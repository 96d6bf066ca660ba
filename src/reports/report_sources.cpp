#include "reports/report_sources.h"

#include "engine/budget_table.h"
#include "text/editing_number.h"
#include "text/number_format.h"
#include "ui/common/text_convert.h"
#include "ui/formula/formula_picture.h"
#include "ui/main/correlation_grid.h"

#include <QTableWidget>

using namespace Qt::StringLiterals;

namespace {

// The Formula object of the templates: 195.9 × 44 mm at 96 pixels per inch.
constexpr int kFormulaWidth = 740;
constexpr int kFormulaHeight = 166;

QString CellText(const QTableWidget& grid, int row, int column)
{
    const QTableWidgetItem* item = grid.item(row, column);
    return item ? item->text() : QString();
}

} // namespace

QImage ReportFormulaPicture(const QString& name, const QString& formula, const std::string& unit)
{
    const QString unitText = ToQt(unit);
    const QString tail = unitText.trimmed().isEmpty() ? u" "_s : u",  "_s + unitText;
    QImage picture;
    for (int size = 14; size >= 2; --size) {
        picture = PaintReportFormula(name, formula, size, tail);
        if (picture.width() <= kFormulaWidth && picture.height() <= kFormulaHeight)
            break;
    }
    return picture;
}

TTextGrid CorrelationTexts(const QTableWidget& grid)
{
    TTextGrid texts(static_cast<size_t>(grid.rowCount()) + 1);
    texts[0].push_back(QString());
    for (int column = 0; column < grid.columnCount(); ++column) {
        const QTableWidgetItem* header = grid.horizontalHeaderItem(column);
        texts[0].push_back(header ? header->text() : QString());
    }
    for (int row = 0; row < grid.rowCount(); ++row) {
        const QTableWidgetItem* header = grid.verticalHeaderItem(row);
        auto& line = texts[static_cast<size_t>(row) + 1];
        line.push_back(header ? header->text() : QString());
        for (int column = 0; column < grid.columnCount(); ++column) {
            const QString text = CellText(grid, row, column).trimmed();
            line.push_back(text.isEmpty() ? u"0"_s : text);
        }
    }
    return texts;
}

TTextGrid CalibrationTexts(const TOrmetaTypeG& input)
{
    TTextGrid texts(1, {Tr2("Еталон", "Эталон")});
    for (size_t reading = 1; reading < input.CalibrationData.size(); ++reading)
        texts[0].push_back(QString::number(reading));
    const size_t standards = input.CalibrationData.empty() ? 0 : input.CalibrationData[0].size();
    for (size_t standard = 0; standard < standards; ++standard) {
        std::vector<QString> row;
        for (const auto& series : input.CalibrationData)
            row.push_back(standard < series.size() ? ToQt(FormatForEditing(series[standard])) : QString());
        texts.push_back(std::move(row));
    }
    return texts;
}

TSummaryTexts SummaryTextsOf(const TOrmetaCalc& calc)
{
    const std::string unit = " " + calc.OutputUnit;
    const double expanded = calc.CoverageFactor * calc.CombinedUncertainty;
    TSummaryTexts texts;
    texts.Description = calc.Description;
    texts.ModelDescription = calc.ModelDescription;
    texts.OutputName = calc.OutputName;
    texts.ResultValue = BuildBudgetTable(calc).Rows.back()[1];
    texts.StdUncertainty = FormatNumber(calc.CombinedUncertainty) + unit;
    texts.CoverageFactor = FormatNumber(calc.CoverageFactor);
    texts.ExpandedUncertainty = FormatNumber(expanded) + unit;
    texts.RelativeStd = RelativeUncertaintyText(calc.CombinedUncertainty, calc.Value);
    texts.RelativeExpanded = RelativeUncertaintyText(expanded, calc.Value);
    texts.ConfidenceLevel = FormatForEditing(calc.ConfidenceLevel);
    texts.CoverageExplanation = CoverageExplanation(calc.CoverageMethod);
    texts.ResultDof = EffectiveDofText(calc);
    return texts;
}

TReportSources ReportSourcesOf(const TOrmetaCalc& calc, bool noNestedDetail, QImage pareto)
{
    TReportSources sources;
    sources.Calc = &calc;
    sources.TotalContribution = TotalContribution(calc);
    sources.Summary = SummaryTextsOf(calc);
    sources.FormulaText = calc.ModelFormula;
    sources.NoNestedDetail = noNestedDetail;
    sources.Formula = ReportFormulaPicture(ToQt(calc.OutputName), ToQt(calc.ModelFormula), calc.OutputUnit);
    sources.Pareto = std::move(pareto);
    QTableWidget grid;
    FillCorrelationGrid(grid, calc);
    sources.Correlation = CorrelationTexts(grid);
    sources.CalibrationGrid = CalibrationTexts;
    return sources;
}
