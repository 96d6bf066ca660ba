// The report command from the main window: templates beside the program, the pages chosen, the return
// to the evaluation shown at the start.
#include "model/constructors.h"
#include "model/list_operations.h"
#include "reports/TPrintForm.h"
#include "reports/engine/TReportPreview.h"
#include "reports/pareto/TParetoForm.h"
#include "reports/report_command.h"
#include "report_test_support.h"
#include "text/language.h"
#include "text/number_format.h"
#include "text/settings.h"
#include "ui/main/TMainForm.h"
#include "ui/main/input_editor.h"
#include "ui/main/labeled_edit.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCoreApplication>
#include <QFile>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

#include <cmath>

using namespace Qt::StringLiterals;

namespace {

// Confirms the print options, then reads the page count of the preview and closes it.
void AnswerDialogs(TPrintForm& options, int& previewPages)
{
    QTimer::singleShot(0, &options, [&options, &previewPages] {
        options.findChild<QPushButton*>(u"sSpeedButton1"_s)->click();
        auto close = std::make_shared<std::function<void(int)>>();
        *close = [close, &previewPages](int tries) {
            if (auto* preview = qobject_cast<TReportPreview*>(QApplication::activeModalWidget())) {
                previewPages = preview->findChild<QSpinBox*>(u"PageNumber"_s)->maximum();
                preview->accept();
            }
            else if (tries > 0) {
                QTimer::singleShot(10, [close, tries] { (*close)(tries - 1); });
            }
        };
        QTimer::singleShot(0, [close] { (*close)(500); });
    });
}

class ReportCommand : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(Folder.isValid());
        SetSettingsFilePath(Folder.filePath(u"ormeta.INI"_s).toStdString());
        SetRegionalSeparators({".", ","});
        IsUkrainian = true;
    }
    void TearDown() override
    {
        for (const char* name : {"data_report1.fr3", "data_report2.fr3"})
            QFile::remove(BesideProgram(name));
    }
    static QString BesideProgram(const char* name)
    {
        return QCoreApplication::applicationDirPath() + u'/' + QLatin1StringView(name);
    }
    // The build's templates where the report command looks for them; TearDown takes them away.
    static void PlaceTemplatesBesideProgram()
    {
        for (const char* name : {"data_report1.fr3", "data_report2.fr3"})
            ASSERT_TRUE(
                QFile::copy(QStringLiteral(ORMETA_BINARY_DIR "/src/") + QLatin1StringView(name), BesideProgram(name)));
    }
    QTemporaryDir Folder;
    MessageRecorder Recorder;
};

TEST_F(ReportCommand, NeedsItsTemplatesAndShowsTheChosenPages)
{
    TMainForm form;
    auto calc = CreateCalc("", "Y", "V");
    calc->ModelFormula = "a+b";
    AddTypeB(*calc, *CreateTypeB("V", "", "a", DistUniform, {10, 0.1 * std::sqrt(3.0), 0}, true, 0));
    AddTypeB(*calc, *CreateTypeB("V", "", "b", DistUniform, {5, 0.2 * std::sqrt(3.0), 0}, true, 0));
    form.LoadEvaluationTree(std::move(calc));
    TPrintForm options;
    TParetoForm pareto;

    NM5Click(form, options, pareto); // no calculation yet: nothing happens
    EXPECT_TRUE(Recorder.Messages.isEmpty());

    form.N12Click(TMainForm::TCalcMode::Silent);
    ASSERT_TRUE(form.ResultsReady) << Recorder.Messages.join(u'\n').toStdString();
    pareto.FillParetoChart(form.ShownEvaluation(), form.TotalContribution);
    int pages = 0;
    AnswerDialogs(options, pages);
    NM5Click(form, options, pareto);
    ASSERT_EQ(Recorder.Messages.size(), 1);
    EXPECT_TRUE(Recorder.Messages[0].contains(u"data_report1.fr3"_s));
    EXPECT_EQ(pages, 0); // no report

    ASSERT_NO_FATAL_FAILURE(PlaceTemplatesBesideProgram());
    struct Case {
        bool Sources, Pareto;
        int Pages; // title, Type B cards, correlation, budget, Pareto chart
    };
    for (const Case c : {Case{true, true, 5}, Case{false, false, 3}}) {
        form.N12Click(TMainForm::TCalcMode::Silent);
        options.cSources->setChecked(c.Sources);
        options.cPareto->setChecked(c.Pareto);
        Recorder.Messages.clear();
        pages = 0;
        AnswerDialogs(options, pages);
        NM5Click(form, options, pareto);
        EXPECT_TRUE(Recorder.Messages.isEmpty()) << Recorder.Messages.join(u'\n').toStdString();
        EXPECT_EQ(pages, c.Pages);
        EXPECT_EQ(form.CurrentEvaluation, 0);
        EXPECT_FALSE(form.ResultsReady); // back at the start, which needs a new calculation
    }
}

TEST_F(ReportCommand, AppendsTheNestedEvaluationsInDetail)
{
    ASSERT_NO_FATAL_FAILURE(PlaceTemplatesBesideProgram());
    auto nested = CreateCalc("", "N", "V");
    nested->ModelFormula = "c";
    AddTypeB(*nested, *CreateTypeB("V", "", "c", DistUniform, {2, 0.1, 0}, true, 0));
    auto calc = CreateCalc("", "Y", "V");
    calc->ModelFormula = "a+N";
    AddTypeB(*calc, *CreateTypeB("V", "", "a", DistUniform, {10, 0.1, 0}, true, 0));
    AddNested(*calc, *nested);
    TMainForm form;
    form.LoadEvaluationTree(std::move(calc));
    form.N12Click(TMainForm::TCalcMode::Silent);
    ASSERT_TRUE(form.ResultsReady) << Recorder.Messages.join(u'\n').toStdString();
    TPrintForm options;
    options.cIncl->setChecked(true);
    TParetoForm pareto;
    int pages = 0;
    AnswerDialogs(options, pages);
    NM5Click(form, options, pareto);
    EXPECT_TRUE(Recorder.Messages.isEmpty()) << Recorder.Messages.join(u'\n').toStdString();
    // Own report: title, Type B cards, nested cards, correlation, budget, Pareto chart; nested report:
    // title, Type B cards, correlation, budget.
    EXPECT_EQ(pages, 6 + 4);
    EXPECT_EQ(form.ShownEvaluation().OutputName, "Y");
}

// The window's own commands: Calculate refills the chart, F6 shows it, Ctrl+P prints the report of
// the shown evaluation with the window's chart and options.
TEST_F(ReportCommand, TheMainWindowsCommandsReachTheChartAndTheReport)
{
    ASSERT_NO_FATAL_FAILURE(PlaceTemplatesBesideProgram());
    auto calc = CreateCalc("", "Y", "V");
    calc->ModelFormula = "a+b";
    AddTypeB(*calc, *CreateTypeB("V", "", "a", DistUniform, {10, 0.1 * std::sqrt(3.0), 0}, true, 0));
    AddTypeB(*calc, *CreateTypeB("V", "", "b", DistUniform, {5, 0.3 * std::sqrt(3.0), 0}, true, 0));
    TMainForm form;
    form.LoadEvaluationTree(std::move(calc));

    form.Calculate->trigger();
    ASSERT_TRUE(form.ResultsReady) << Recorder.Messages.join(u'\n').toStdString();
    const auto& bars = form.ParetoChart().Bars();
    ASSERT_EQ(bars.size(), 2u);
    EXPECT_EQ(bars[0].Label, u"b"_s);
    EXPECT_NEAR(bars[0].Value, 75, 1e-9);

    bool chartShown = false;
    QTimer::singleShot(0, &form, [&form, &chartShown] {
        chartShown = QApplication::activeModalWidget() == &form.ParetoChart();
        form.ParetoChart().accept();
    });
    form.Pareto->trigger();
    EXPECT_TRUE(chartShown);

    form.PrintForm->cSources->setChecked(false);
    form.PrintForm->cPareto->setChecked(true);
    form.TabSheet2->SetNameBoxText(u"b"_s);
    form.TabSheet2->ComboBox2Change();
    int pages = 0;
    AnswerDialogs(*form.PrintForm, pages);
    form.ShowReport->trigger();
    EXPECT_TRUE(Recorder.Messages.isEmpty()) << Recorder.Messages.join(u'\n').toStdString();
    EXPECT_EQ(pages, 4); // title, correlation, budget, Pareto chart
    // The input chosen before the report is shown again on the inputs tab.
    EXPECT_EQ(form.TabSheet2->NameBoxText(), u"b"_s);
    EXPECT_EQ(form.TabSheet2->LabeledEdit5->text(), u"5"_s);
}

} // namespace
