// The report engine on a synthetic report of 100 budget-like rows with a title, page headers with page
// numbers, cards whose descriptions grow, a header and a footer: preparation alone, and preparation
// followed by writing PDF and RTF. Then the report of an evaluation of 100 inputs from its records with
// the program's own template, written as PDF, which should take well under 2 s.
#include "engine/budget_table.h"
#include "reports/engine/report.h"
#include "reports/engine/report_export.h"
#include "reports/engine/rtf_writer.h"
#include "reports/pareto/TParetoForm.h"
#include "reports/report_preparation.h"
#include "reports/report_sources.h"

#include <QApplication>
#include <QFileInfo>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace Qt::StringLiterals;

namespace {

constexpr int kRows = 100;

const QString kTemplate = uR"(<ormeta-report>
<page name="Page1" margin-left="15" margin-right="5" margin-top="10" margin-bottom="10">
  <page-header height="30">
    <text name="Title" width="195.9" height="8" font="Times New Roman" size="15" bold="true" frame="left right top"
          align="center">Звіт з оцінки невизначеності</text>
    <text name="Place" top="8" width="195.9" height="9" font="Times New Roman" size="12" bold="true"
          frame="left right bottom" align="center" valign="middle">Вимірювальна лабораторія</text>
    <text name="PageLine" top="18" width="43" height="5" place="right" size="8.25" align="right"
          valign="bottom">Сторінка: [Page#] із [TotalPages#]</text>
    <text name="Date" top="25" width="11" height="5" widens="true" size="11.25">[Date]</text>
  </page-header>
  <report-title height="20"><text name="Heading" width="195.9" height="9" size="18.75" bold="true"
    align="center">Звіт з оцінки невизначеності вимірювання</text></report-title>
  <data name="Cards" dataset="Cards" height="30" grows="true">
    <text name="CardLabel" top="2" width="72" height="5">Опис джерела (складової) невизначеності:</text>
    <text name="CardText" top="8" width="72" height="10" grows="true" bold="true"/>
    <text name="CardName" left="100" top="2" width="48" height="5" frame="all">Змінна:</text>
    <text name="CardValue" left="148" top="2" width="42" height="5" frame="all" bold="true"/>
  </data>
  <data name="Budget" dataset="Rows" height="10">
    <header name="BudgetHeader" height="25" grows="true">
      <text name="BudgetTitle" top="5" width="61" height="5" place="center" size="12" bold="true"
            align="center">Бюджет невизначеності</text>
      <text name="H1" top="15" width="16" height="10" frame="all" size="9" align="center" valign="middle">Величина</text>
      <text name="H2" left="16" top="15" width="60" height="10" frame="all" size="9" align="center"
            valign="middle">Приписане значення</text>
      <text name="H3" left="76" top="15" width="60" height="10" frame="all" size="9" align="center"
            valign="middle">Стандартна невизначеність</text>
      <text name="H4" left="136" top="15" width="59.9" height="10" frame="all" size="9" align="center"
            valign="middle">Відсотковий вклад, %</text>
    </header>
    <text name="C1" width="16" height="10" frame="all" align="center" valign="middle"/>
    <text name="C2" left="16" width="60" height="10" frame="all" align="center" valign="middle"/>
    <text name="C3" left="76" width="60" height="10" frame="all" align="center" valign="middle"/>
    <text name="C4" left="136" width="59.9" height="10" frame="all" align="center" valign="middle"/>
    <footer name="BudgetFooter" height="20">
      <text name="ResultLabel" top="5" width="5" height="5" widens="true" bold="true">Результат: </text>
      <text name="Result" top="5" width="80" height="5" follows="ResultLabel">12,3456 +/- 0,0123</text>
    </footer>
  </data>
</page>
</ormeta-report>
)"_s;

// The synthetic report: kRows cards and kRows budget rows.
class SyntheticReport {
public:
    SyntheticReport()
    {
        Report.LoadFromXml(kTemplate.toUtf8(), u"bench.fr3"_s);
        auto card = [this](int recNo) {
            if (recNo >= kRows)
                return;
            Report.FindText(u"CardText"_s)
                ->SetText(u"Джерело невизначеності номер %1: "_s.arg(recNo + 1) +
                          QString(u"температура, вологість, дрейф еталона. "_s).repeated(1 + recNo % 4));
            Report.FindText(u"CardValue"_s)->SetText(u"x%1"_s.arg(recNo + 1));
        };
        Report.SetDataSet(u"Cards"_s, {card, card, [](int recNo) { return recNo >= kRows; }});
        auto row = [this](int recNo) {
            if (recNo >= kRows)
                return;
            Report.FindText(u"C1"_s)->SetText(u"x%1"_s.arg(recNo + 1));
            Report.FindText(u"C2"_s)->SetText(u"%1  мг"_s.arg(10.0 + recNo * 0.125, 0, 'f', 4));
            Report.FindText(u"C3"_s)->SetText(u"%1  мг"_s.arg(0.01 + recNo * 0.0001, 0, 'f', 5));
            Report.FindText(u"C4"_s)->SetText(u"%1"_s.arg(100.0 / kRows, 0, 'f', 3));
        };
        Report.SetDataSet(u"Rows"_s, {row, row, [](int recNo) { return recNo >= kRows; }});
    }
    TReport Report;
};

void BM_PrepareReport(benchmark::State& state)
{
    SyntheticReport synthetic;
    for (auto _ : state) {
        synthetic.Report.Prepare();
        benchmark::DoNotOptimize(synthetic.Report.PreparedPages().data());
    }
    state.SetLabel(std::to_string(synthetic.Report.PreparedPages().size()) + " pages");
}
BENCHMARK(BM_PrepareReport)->Unit(benchmark::kMillisecond);

void BM_PrepareAndWritePdf(benchmark::State& state)
{
    SyntheticReport synthetic;
    QTemporaryDir dir;
    const QString path = dir.filePath(u"report.pdf"_s);
    QString error;
    for (auto _ : state) {
        synthetic.Report.Prepare();
        if (!WritePdfFile(synthetic.Report.PreparedPages(), path, error))
            state.SkipWithError(error.toStdString().c_str());
    }
    state.SetLabel(std::to_string(synthetic.Report.PreparedPages().size()) + " pages");
}
BENCHMARK(BM_PrepareAndWritePdf)->Unit(benchmark::kMillisecond);

void BM_WriteRtf(benchmark::State& state)
{
    SyntheticReport synthetic;
    synthetic.Report.Prepare();
    for (auto _ : state)
        benchmark::DoNotOptimize(RtfDocument(synthetic.Report.PreparedPages()).size());
}
BENCHMARK(BM_WriteRtf)->Unit(benchmark::kMillisecond);

// 25 inputs of each kind with five observations or measurements, every card printed.
std::unique_ptr<TOrmetaCalc> LargeEvaluation()
{
    auto calc = std::make_unique<TOrmetaCalc>();
    calc->OutputUnit = "мг";
    for (int i = 0; i < 25; ++i) {
        auto& a = *calc->TypeA.emplace_back(std::make_unique<TOrmetaTypeA>());
        a.Name = "a" + std::to_string(i);
        a.Description = "Повторні спостереження маси на вагах, серія " + std::to_string(i);
        a.Count = 5;
        a.Observations = {1.01, 1.02, 0.99, 1.0, 1.03};
        a.Sensitivity = 1;
        a.StdUncertainty = 0.01;
        auto& b = *calc->TypeB.emplace_back(std::make_unique<TOrmetaTypeB>());
        b.Name = "b" + std::to_string(i);
        b.Distribution = DistUniform;
        b.Sensitivity = 1;
        b.StdUncertainty = 0.02;
        auto& g = *calc->TypeG.emplace_back(std::make_unique<TOrmetaTypeG>());
        g.Name = "g" + std::to_string(i);
        g.Count = 5;
        g.Measurements = {0.5, 0.51, 0.49, 0.5, 0.52};
        auto& n = *calc->Nested.emplace_back(std::make_unique<TOrmetaCalc>());
        n.OutputName = "n" + std::to_string(i);
        n.CoverageMethod = MethodNormal;
    }
    calc->OutputName = "m";
    std::string formula;
    for (const InputView& input : InputsInOrder(*calc))
        formula += (formula.empty() ? "" : "+") + input.Name();
    calc->ModelFormula = formula;
    const size_t n = InputsInOrder(*calc).size();
    calc->Correlation.assign(n, TArrDouble(n, 0.0));
    for (size_t i = 0; i < n; ++i)
        calc->Correlation[i][i] = 1;
    return calc;
}

// Everything the command line does after the calculation: the sources drawn from the records (the
// typeset model, the Pareto chart, the correlation grid), the program's template prepared, PDF written.
void BM_ProgramTemplateWithPdf(benchmark::State& state)
{
    const QString folder = QFileInfo(QStringLiteral(__FILE__)).absolutePath() + u"/../src/reports/templates"_s;
    const auto calc = LargeEvaluation();
    QTemporaryDir dir;
    QString error;
    size_t pages = 0;
    for (auto _ : state) {
        TParetoForm pareto;
        pareto.FillParetoChart(*calc, TotalContribution(*calc));
        const TReportSources sources = ReportSourcesOf(*calc, false, pareto.ChartImage());
        TReport report;
        if (!PrepareEvaluationReport(report, folder, sources, TReportParts{})) {
            state.SkipWithError("template missing");
            return;
        }
        pages = report.PreparedPages().size();
        if (!WritePdfFile(report.PreparedPages(), dir.filePath(u"report.pdf"_s), error))
            state.SkipWithError(error.toStdString().c_str());
    }
    state.SetLabel(std::to_string(pages) + " pages");
}
BENCHMARK(BM_ProgramTemplateWithPdf)->Unit(benchmark::kMillisecond);

} // namespace

// The engine measures texts with Qt's fonts, which need an application object.
int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
