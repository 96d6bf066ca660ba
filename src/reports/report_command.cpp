#include "reports/report_command.h"

#include "reports/TPrintForm.h"
#include "reports/engine/TReportPreview.h"
#include "reports/pareto/TParetoForm.h"
#include "reports/report_binding.h"
#include "text/editing_number.h"
#include "text/language.h"
#include "ui/common/message_box.h"
#include "ui/common/text_convert.h"
#include "ui/formula/formula_picture.h"
#include "ui/main/TMainForm.h"
#include "ui/main/budget_tab.h"
#include "ui/main/labeled_edit.h"
#include "ui/main/model_tab.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTableWidget>

#include <functional>
#include <stdexcept>

using namespace Qt::StringLiterals;

namespace {

// The Formula object of the templates: 195.9 × 44 mm at 96 pixels per inch.
constexpr int kFormulaWidth = 740;
constexpr int kFormulaHeight = 166;

// The model typeset at the largest size from 14 down to 2 that fits the template's frame.
QImage ReportFormula(const TMainForm& form, const TOrmetaCalc& calc)
{
    const QString unit = ToQt(calc.OutputUnit);
    const QString tail = unit.trimmed().isEmpty() ? u" "_s : u",  "_s + unit;
    QImage picture;
    for (int size = 14; size >= 2; --size) {
        picture = PaintReportFormula(form.TabSheet1->Edit3->text(), form.TabSheet1->Edit4->text(), size, tail);
        if (picture.width() <= kFormulaWidth && picture.height() <= kFormulaHeight)
            break;
    }
    return picture;
}

QString CellText(const QTableWidget& grid, int row, int column)
{
    const QTableWidgetItem* item = grid.item(row, column);
    return item ? item->text() : QString();
}

// The correlation grid with the input names heading its first row and column; empty cells are 0.
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

// The calibration data of an input: one row per standard, its reference value, then its readings.
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

TSummaryTexts SummaryOf(const TMainForm& form)
{
    const TBudgetTab& budget = *form.TabSheet3;
    TSummaryTexts texts;
    texts.Description = ToStd(form.TabSheet1->Memo1->toPlainText());
    texts.ModelDescription = ToStd(form.TabSheet1->Memo3->toPlainText());
    texts.OutputName = ToStd(form.TabSheet1->Edit3->text());
    const int lastRow = budget.StringGrid3->rowCount() - 1;
    texts.ResultValue = lastRow >= 0 ? ToStd(CellText(*budget.StringGrid3, lastRow, 1)) : std::string();
    texts.StdUncertainty = ToStd(budget.LabeledEdit10->text());
    texts.CoverageFactor = ToStd(budget.LabeledEdit9->text());
    texts.ExpandedUncertainty = ToStd(budget.LabeledEdit11->text());
    texts.RelativeStd = ToStd(budget.LabeledEdit17->text());
    texts.RelativeExpanded = ToStd(budget.LabeledEdit18->text());
    texts.ConfidenceLevel = ToStd(budget.LabeledEdit8->text());
    texts.CoverageExplanation = ToStd(budget.Label12->text());
    if (!budget.LabeledEdit15->isHidden())
        texts.ResultDof = ToStd(budget.LabeledEdit15->text());
    return texts;
}

TReportSources SourcesOfShown(TMainForm& form, bool noNestedDetail, QImage pareto)
{
    TReportSources sources;
    sources.Calc = &form.ShownEvaluation();
    sources.TotalContribution = form.TotalContribution;
    sources.Summary = SummaryOf(form);
    sources.FormulaText = ToStd(form.TabSheet1->Edit4->text());
    sources.NoNestedDetail = noNestedDetail;
    sources.Formula = ReportFormula(form, *sources.Calc);
    sources.Pareto = std::move(pareto);
    sources.Correlation = CorrelationTexts(*form.StringGrid2);
    sources.CalibrationGrid = CalibrationTexts;
    return sources;
}

// Shows row of the evaluation list; the switch runs as for a click.
void ShowEvaluation(TMainForm& form, int row)
{
    if (form.ListBox1->currentRow() != row)
        form.ListBox1->setCurrentRow(row); // the list's signal performs the switch
    else
        form.ListBox1Click();
}

int RowOf(const TMainForm& form, const std::string& outputName)
{
    const QString name = ToQt(outputName);
    for (int row = 0; row < form.ListBox1->count(); ++row)
        if (form.ListBox1->item(row)->text().compare(name, Qt::CaseInsensitive) == 0)
            return row;
    return -1;
}

// Loads, binds and prepares one template for the shown evaluation; false when the template is unusable.
bool PrepareShown(TReport& report, TMainForm& form, const QString& file, const TReportSources& sources, bool append,
                  const std::function<void(TReport&)>& adjust)
{
    if (!report.LoadFromFile(QCoreApplication::applicationDirPath() + u'/' + file))
        return false;
    try {
        BindEvaluationReport(report, sources);
        adjust(report);
        if (!IsUkrainian)
            TranslateReportTexts(report);
    }
    catch (const std::exception& error) {
        ShowMessage(&form, Tr2("Шаблон звіту \"%1\" пошкоджений: %2", "Шаблон отчета \"%1\" поврежден: %2")
                               .arg(file, QString::fromUtf8(error.what())));
        return false;
    }
    report.Prepare(append); // an error of preparation is shown by the engine; the pages so far stay
    return true;
}

} // namespace

void NM5Click(TMainForm& form, TPrintForm& options, TParetoForm& pareto)
{
    if (!form.ResultsReady || !options.Ask())
        return;
    const bool printSources = options.cSources->isChecked();
    const bool printNested = options.cIncl->isChecked();
    const bool printPareto = options.cPareto->isChecked();
    const int start = form.ListBox1->currentRow();
    TOrmetaCalc& evaluation = form.ShownEvaluation();

    TReport report(&form);
    const TReportSources main = SourcesOfShown(form, !printNested, pareto.ChartImage());
    bool usable = PrepareShown(report, form, u"data_report1.fr3"_s, main, false, [&](TReport& r) {
        SetReportPages(r, evaluation, printSources, printPareto);
    });
    for (size_t i = 0; usable && printNested && i < evaluation.Nested.size(); ++i) {
        const TOrmetaCalc& nested = *evaluation.Nested[i];
        const int row = RowOf(form, nested.OutputName);
        if (row < 0)
            continue;
        ShowEvaluation(form, row);
        form.N12Click(TMainForm::TCalcMode::Silent); // a failure is reported; the record's results are printed
        const TReportSources sources = SourcesOfShown(form, true, QImage());
        usable = PrepareShown(report, form, u"data_report2.fr3"_s, sources, true, [&](TReport& r) {
            SetReportPages(r, nested, true, false);
            if (TReportBand* heading = r.FindBand(u"Header6"_s))
                heading->Visible = i == 0;
            if (!IsUkrainian)
                if (TReportText* heading = r.FindText(u"Memo174"_s))
                    heading->SetText(u"Описание вложенных источников неопределенности"_s);
            if (TReportText* title = r.FindText(u"Memo166"_s))
                title->SetText(Tr2("Опис вкладеного оцінювання %1:", "Описание вложенного оценивания %1:")
                                   .arg(ToQt(nested.OutputName)));
        });
    }
    ShowEvaluation(form, start);
    if (!usable)
        return;
    TReportPreview preview(report.PreparedPages(), &form);
    preview.exec();
}
