// The report drawn from the records (the command line) says what the report drawn from the window says.
#include "files/evaluation_file.h"
#include "report_test_support.h"
#include "reports/report_sources.h"
#include "text/language.h"
#include "text/number_format.h"
#include "text/settings.h"
#include "ui/common/text_convert.h"
#include "ui/main/TMainForm.h"
#include "ui/main/budget_tab.h"
#include "ui/main/labeled_edit.h"

#include <QLabel>
#include <QTableWidget>

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(ReportSources, RecordsGiveTheTextsTheBudgetTabShows)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    SetSettingsFilePath(folder.filePath(QStringLiteral("ormeta.INI")).toStdString());
    SetRegionalSeparators({",", " "});
    MessageRecorder recorder;
    // Normal, Student with infinite degrees of freedom, Student with finite ones; comma separators.
    for (bool ukrainian : {true, false})
        for (const char* example : {"thermometer", "power_with_shunt", "photometric_iron"}) {
            IsUkrainian = ukrainian;
            TMainForm form;
            form.LoadEvaluationTree(LoadEvaluationFromFile(ORMETA_SOURCE_DIR "/examples/" + std::string(example) + ".orm"));
            form.N12Click(TMainForm::TCalcMode::Silent);
            ASSERT_TRUE(form.ResultsReady) << example << recorder.Messages.join(u'\n').toStdString();
            const TOrmetaCalc& calc = form.ShownEvaluation();
            const TReportSources sources = ReportSourcesOf(calc, true, QImage());
            const TSummaryTexts& texts = sources.Summary;
            const TBudgetTab& budget = *form.TabSheet3;
            EXPECT_EQ(ToQt(texts.StdUncertainty), budget.LabeledEdit10->text()) << example;
            EXPECT_EQ(ToQt(texts.CoverageFactor), budget.LabeledEdit9->text()) << example;
            EXPECT_EQ(ToQt(texts.ExpandedUncertainty), budget.LabeledEdit11->text()) << example;
            EXPECT_EQ(ToQt(texts.RelativeStd), budget.LabeledEdit17->text()) << example;
            EXPECT_EQ(ToQt(texts.RelativeExpanded), budget.LabeledEdit18->text()) << example;
            EXPECT_EQ(ToQt(texts.CoverageExplanation), budget.Label12->text()) << example;
            EXPECT_EQ(ParseNumber(texts.ConfidenceLevel), ParseNumber(ToStd(budget.LabeledEdit8->text()))) << example;
            ASSERT_EQ(texts.ResultDof.has_value(), !budget.LabeledEdit15->isHidden()) << example;
            if (texts.ResultDof) {
                EXPECT_EQ(ToQt(*texts.ResultDof), budget.LabeledEdit15->text()) << example;
            }
            const int last = budget.StringGrid3->rowCount() - 1;
            EXPECT_EQ(ToQt(texts.ResultValue), budget.StringGrid3->item(last, 1)->text()) << example;
            EXPECT_EQ(sources.Correlation, CorrelationTexts(*form.StringGrid2)) << example;
            EXPECT_EQ(sources.TotalContribution, form.TotalContribution) << example;
        }
    IsUkrainian = true;
    SetRegionalSeparators({".", ","});
}

} // namespace
