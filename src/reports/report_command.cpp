#include "reports/report_command.h"

#include "reports/TPrintForm.h"
#include "reports/engine/TReportPreview.h"
#include "reports/pareto/TParetoForm.h"
#include "reports/report_preparation.h"
#include "reports/report_sources.h"
#include "ui/common/text_convert.h"
#include "ui/main/TMainForm.h"
#include "ui/main/budget_tab.h"
#include "ui/main/input_editor.h"
#include "ui/main/labeled_edit.h"
#include "ui/main/model_tab.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTableWidget>

namespace {

// The texts of the budget tab as they stand.
TSummaryTexts SummaryOf(const TMainForm& form)
{
    const TBudgetTab& budget = *form.TabSheet3;
    TSummaryTexts texts;
    texts.Description = ToStd(form.TabSheet1->Memo1->toPlainText());
    texts.ModelDescription = ToStd(form.TabSheet1->Memo3->toPlainText());
    texts.OutputName = ToStd(form.TabSheet1->Edit3->text());
    const int lastRow = budget.StringGrid3->rowCount() - 1;
    const QTableWidgetItem* result = lastRow >= 0 ? budget.StringGrid3->item(lastRow, 1) : nullptr;
    texts.ResultValue = result ? ToStd(result->text()) : std::string();
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

// The shown evaluation as the window shows it: the model and the budget tab as they stand.
TReportSources SourcesOfShown(TMainForm& form, bool noNestedDetail, QImage pareto)
{
    TReportSources sources;
    sources.Calc = &form.ShownEvaluation();
    sources.TotalContribution = form.TotalContribution;
    sources.Summary = SummaryOf(form);
    sources.FormulaText = ToStd(form.TabSheet1->Edit4->text());
    sources.NoNestedDetail = noNestedDetail;
    sources.Formula =
        ReportFormulaPicture(form.TabSheet1->Edit3->text(), form.TabSheet1->Edit4->text(), sources.Calc->OutputUnit);
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

} // namespace

void NM5Click(TMainForm& form, TPrintForm& options, TParetoForm& pareto)
{
    if (!form.ResultsReady || !options.Ask())
        return;
    const TReportParts parts{options.cSources->isChecked(), options.cIncl->isChecked(), options.cPareto->isChecked()};
    const int start = form.ListBox1->currentRow();
    const QString selectedInput = form.TabSheet2->NameBoxText();
    TOrmetaCalc& evaluation = form.ShownEvaluation();
    const QString folder = QCoreApplication::applicationDirPath();

    TReport report(&form);
    const TReportSources main = SourcesOfShown(form, !parts.Nested, pareto.ChartImage());
    bool usable = PrepareEvaluationReport(report, folder, main, parts);
    for (size_t i = 0; usable && parts.Nested && i < evaluation.Nested.size(); ++i) {
        const int row = RowOf(form, evaluation.Nested[i]->OutputName);
        if (row < 0)
            continue;
        ShowEvaluation(form, row);
        form.N12Click(TMainForm::TCalcMode::Silent); // a failure is reported; the record's results are printed
        usable = AppendNestedReport(report, folder, SourcesOfShown(form, true, QImage()), i);
    }
    ShowEvaluation(form, start);
    if (usable) {
        TReportPreview preview(report.PreparedPages(), &form);
        preview.exec();
    }
    // The switches emptied the inputs tab; the input chosen before the report is shown again.
    form.TabSheet2->SetNameBoxText(selectedInput);
    form.TabSheet2->ComboBox2Change();
}
