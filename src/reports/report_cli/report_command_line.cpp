#include "reports/report_cli/report_command_line.h"

#include "app/calc_command.h"
#include "app/command_options.h"
#include "engine/budget_table.h"
#include "reports/engine/report_export.h"
#include "reports/pareto/TParetoForm.h"
#include "reports/report_preparation.h"
#include "reports/report_sources.h"
#include "text/number_format.h"
#include "text/settings.h"
#include "ui/common/message_box.h"
#include "ui/common/text_convert.h"
#include "ui/main/language_setting.h"

#include <QApplication>
#include <QLocale>

#include <iostream>

namespace {

// The messages the report engine would show in boxes go to the error stream while this lives.
class MessagesToStream {
public:
    explicit MessagesToStream(std::ostream& err)
    {
        SetMessageHandler([&err](QWidget*, const QString& text) { err << ToStd(text) << '\n'; });
    }
    ~MessagesToStream() { SetMessageHandler({}); }
    MessagesToStream(const MessagesToStream&) = delete;
    MessagesToStream& operator=(const MessagesToStream&) = delete;
};

QImage ParetoImage(const TOrmetaCalc& calc)
{
    TParetoForm pareto;
    pareto.FillParetoChart(calc, TotalContribution(calc));
    return pareto.ChartImage();
}

// The direct children, each calculated again as the window does when it switches to one; a failure is
// reported and that evaluation is printed with the results its record holds.
bool AppendNestedReports(TReport& report, TOrmetaCalc& calc, const QString& folder, const TCalcOptions& calculation,
                         std::ostream& err)
{
    for (size_t i = 0; i < calc.Nested.size(); ++i) {
        TOrmetaCalc& nested = *calc.Nested[i];
        try {
            CalculateLoadedEvaluation(nested, calculation.Level, calculation.Method, calculation.DecimalSeparator);
        }
        catch (const std::exception& failure) {
            err << nested.OutputName << ": " << CalculationFailureText(failure) << '\n';
        }
        if (!AppendNestedReport(report, folder, ReportSourcesOf(nested, true, QImage()), i) || !report.Errors().isEmpty())
            return false;
    }
    return true;
}

} // namespace

int PrepareCommandReport(const TReportOptions& options, const QString& templateFolder, TReport& report,
                         std::ostream& err)
{
    // Calculated as `ormeta calc` does without options: the level and method the window shows after Open.
    TCalcOptions calculation;
    calculation.File = options.File;
    calculation.DecimalSeparator = SystemDecimalSeparator();
    std::unique_ptr<TOrmetaCalc> calc;
    if (const int status = LoadAndCalculate(calculation, err, calc); status != ExitSuccess)
        return status;

    const MessagesToStream messages(err);
    const TReportParts parts{options.Sources, options.Nested, options.Pareto};
    const TReportSources sources = ReportSourcesOf(*calc, !parts.Nested, parts.Pareto ? ParetoImage(*calc) : QImage());
    // The reasons have been written: a template missing or damaged, the engine's errors.
    if (!PrepareEvaluationReport(report, templateFolder, sources, parts) || !report.Errors().isEmpty())
        return ExitNotCalculable;
    if (parts.Nested && !AppendNestedReports(report, *calc, templateFolder, calculation, err))
        return ExitNotCalculable;
    return ExitSuccess;
}

int WriteReportCommand(const std::vector<std::string>& args, const QString& templateFolder, std::ostream& err)
{
    TReportOptions options;
    try {
        options = ParseReportOptions(args);
    }
    catch (const EUsage& usage) {
        err << usage.what() << "\n\n" << UsageText();
        return ExitUsage;
    }
    TReport report;
    const int status = PrepareCommandReport(options, templateFolder, report, err);
    if (status != ExitSuccess)
        return status;
    QString error;
    const QString output = ToQt(options.Output);
    const bool written = options.Format == TReportFormat::Pdf ? WritePdfFile(report.PreparedPages(), output, error)
                                                              : WriteRtfFile(report.PreparedPages(), output, error);
    if (!written) {
        err << ToStd(error) << '\n';
        return ExitNotCalculable;
    }
    return ExitSuccess;
}

int RunReportCommand(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    SetSettingsFilePath(SettingsPathForExecutable(ToStd(QCoreApplication::applicationFilePath())));
    ReadLanguageSetting();
    const QLocale locale = QLocale::system();
    SetRegionalSeparators({ToStd(locale.decimalPoint()), ToStd(locale.groupSeparator())});
    const std::vector<std::string> args(argv + 2, argv + argc);
    return WriteReportCommand(args, QCoreApplication::applicationDirPath(), std::cerr);
}
