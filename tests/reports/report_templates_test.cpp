// The two report templates delivered beside the program: they load, hold every object the program
// addresses by name, and lay out with data in both languages.
#include "reports/engine/report.h"
#include "reports/report_binding.h"
#include "reports/feeds/report_feeds.h"
#include "reports/feeds/report_texts.h"
#include "report_test_support.h"
#include "text/language.h"
#include "ui/common/text_convert.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

QString TemplatePath(const char* name)
{
    return QStringLiteral(ORMETA_BINARY_DIR "/src/") + QLatin1StringView(name);
}

// An evaluation with one input of each kind, so that every feed writes its fields.
std::unique_ptr<TOrmetaCalc> SampleEvaluation()
{
    auto calc = std::make_unique<TOrmetaCalc>();
    calc->OutputUnit = "мг";
    auto& a = *calc->TypeA.emplace_back(std::make_unique<TOrmetaTypeA>());
    a.Name = "m";
    a.Count = 3;
    a.Observations = {1, 2, 3};
    auto& b = *calc->TypeB.emplace_back(std::make_unique<TOrmetaTypeB>());
    b.Name = "t";
    b.Distribution = DistTrapezoidal;
    auto& g = *calc->TypeG.emplace_back(std::make_unique<TOrmetaTypeG>());
    g.Name = "c";
    g.Count = 2;
    g.Measurements = {0.5, 0.6};
    calc->Nested.emplace_back(std::make_unique<TOrmetaCalc>())->OutputName = "V";
    return calc;
}

TSummaryTexts Summary()
{
    TSummaryTexts summary;
    summary.ConfidenceLevel = "0.95";
    return summary;
}

// The names the feeds, the summary fields and the report command address.
std::vector<std::string> AddressedFields(const TOrmetaCalc& calc)
{
    const TFeedContext context{calc.OutputUnit, 1};
    std::vector<TFieldTexts> written = {TypeACardFields(*calc.TypeA[0], context),
                                        TypeBCardFields(*calc.TypeB[0], context),
                                        NestedCardFields(*calc.Nested[0], context),
                                        CalibrationCardFields(*calc.TypeG[0], context),
                                        ObservationRowFields(*calc.TypeA[0], 0),
                                        MeasurementRowFields(*calc.TypeG[0], 0),
                                        BudgetRowFields(calc, 0, context),
                                        RussianReportTexts(),
                                        SummaryFields(Summary(), 0)};
    std::vector<std::string> names;
    for (const auto& fields : written)
        for (const auto& [field, text] : fields)
            names.push_back(field);
    return names;
}

TEST(ReportTemplates, HoldEveryObjectTheProgramAddresses)
{
    const auto calc = SampleEvaluation();
    for (const char* file : {"data_report1.fr3", "data_report2.fr3"}) {
        SCOPED_TRACE(file);
        MessageRecorder recorder;
        TReport report;
        ASSERT_TRUE(report.LoadFromFile(TemplatePath(file))) << recorder.Messages.join(u'\n').toStdString();
        for (const auto& name : AddressedFields(*calc))
            EXPECT_NE(report.FindText(ToQt(name)), nullptr) << name;
        EXPECT_NE(report.FindPicture(u"Formula"_s), nullptr);
        EXPECT_NE(report.FindPicture(u"Picture1"_s), nullptr);
        EXPECT_NE(report.FindCrossTab(u"MatrKor"_s), nullptr);
        EXPECT_NE(report.FindCrossTab(u"ColMatr"_s), nullptr);
        for (int page = 1; page <= 8; ++page)
            EXPECT_NE(report.FindPage(u"Page%1"_s.arg(page)), nullptr) << page;
    }
    TReport nested;
    ASSERT_TRUE(nested.LoadFromFile(TemplatePath("data_report2.fr3")));
    EXPECT_NE(nested.FindBand(u"Header6"_s), nullptr);
    EXPECT_NE(nested.FindText(u"Memo174"_s), nullptr);
    EXPECT_NE(nested.FindText(u"Memo166"_s), nullptr);
    EXPECT_FALSE(nested.FindPage(u"Page8"_s)->Visible);
}

TReportSources Sources(const TOrmetaCalc& calc)
{
    TReportSources sources;
    sources.Calc = &calc;
    sources.TotalContribution = 1;
    sources.Summary = {"Опис [не вираз]", "Модель", "y", "12.3456  мг", "0.0061", "2", "0.0123", "0.05%", "0.1%",
                       "0.9545", "нормальний розподіл", std::string("17")};
    sources.FormulaText = "m*2+t";
    sources.NoNestedDetail = false;
    QImage chart(800, 500, QImage::Format_RGB32);
    chart.fill(Qt::white);
    sources.Pareto = chart;
    sources.Correlation = {{u"1"_s, u"0"_s}, {u"0"_s, u"1"_s}};
    sources.CalibrationGrid = [](const TOrmetaTypeG& input) {
        return TTextGrid{{ToQt(input.Name), u"0.5"_s}, {u"1"_s, u"0.51"_s}};
    };
    return sources;
}

int CountOf(const QStringList& texts, const QString& text)
{
    return static_cast<int>(texts.count(text));
}

TEST(ReportTemplates, LayOutTheWholeReportWithANestedPartAppended)
{
    const auto calc = SampleEvaluation();
    const TReportSources sources = Sources(*calc);
    for (bool ukrainian : {true, false}) {
        SCOPED_TRACE(ukrainian);
        IsUkrainian = ukrainian;
        MessageRecorder recorder;
        TReport report;
        ASSERT_TRUE(report.LoadFromFile(TemplatePath("data_report1.fr3")));
        BindEvaluationReport(report, sources);
        SetReportPages(report, *calc, true, true);
        if (!ukrainian)
            TranslateReportTexts(report);
        ASSERT_TRUE(report.Prepare()) << recorder.Messages.join(u'\n').toStdString();
        const size_t ownSheets = report.PreparedPages().size();
        EXPECT_GE(ownSheets, 8u); // each template page starts a sheet

        ASSERT_TRUE(report.LoadFromFile(TemplatePath("data_report2.fr3")));
        BindEvaluationReport(report, sources);
        SetReportPages(report, *calc, true, false);
        ASSERT_TRUE(report.Prepare(true)) << recorder.Messages.join(u'\n').toStdString();
        EXPECT_GE(report.PreparedPages().size(), ownSheets + 7); // no Pareto page in the nested part

        const QStringList texts = AllTexts(report.PreparedPages());
        EXPECT_TRUE(texts.contains(ukrainian ? u"Бюджет невизначеності"_s : u"Бюджет неопределенности"_s));
        EXPECT_TRUE(texts.contains(u"Сторінка: 1 із %1"_s.arg(report.PreparedPages().size())));
        EXPECT_TRUE(texts.contains(u"Опис [не вираз]"_s)); // written texts are printed literally
        EXPECT_TRUE(texts.contains(ukrainian ? u"Де k - нормальний розподіл із рівнем довіри 95.45 %.\n"
                                               u"Степені свободи результату: 17"_s
                                             : u"Где k - нормальний розподіл с уровнем доверия 95.45 %.\n"
                                               u"Степени свободы результата: 17"_s));
        EXPECT_EQ(CountOf(texts, u"c"_s), 2 * 3); // card, budget, calibration grid: twice
        EXPECT_FALSE(texts.join(u' ').contains(u"[Aut]"_s));
        // Memo68 stands under Memo67.
        for (const auto& sheet : report.PreparedPages()) {
            const TPreparedText* value = nullptr;
            for (const auto& text : sheet.Texts) {
                if (text.Text == u"0.0000 +/- 0.0123"_s || text.Text.endsWith(u" +/- 0.0123"_s))
                    value = &text;
                if (value && text.Text == u"( k=2, p=0.9545)"_s) {
                    EXPECT_DOUBLE_EQ(text.Rect.left(), value->Rect.left());
                }
            }
        }
    }
    IsUkrainian = true;
}

TEST(ReportTemplates, OptionsAndTheFormulaDecideWhichCardsArePrinted)
{
    auto calc = SampleEvaluation();
    calc->TypeA.emplace_back(std::make_unique<TOrmetaTypeA>())->Name = "q";
    struct Case {
        const char* What;
        bool NoNestedDetail;
        std::string Formula;
        bool Sources, Pareto;
        int TypeACards, TypeBCards;
        bool ParetoPage;
    };
    const std::vector<Case> cases = {
        {"everything", false, "", true, true, 2, 1, true},
        {"only the inputs named in the formula", true, "m*2+x10", true, true, 1, 0, true},
        {"no cards, no Pareto chart", false, "", false, false, 0, 0, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.What);
        TReportSources sources = Sources(*calc);
        sources.NoNestedDetail = c.NoNestedDetail;
        sources.FormulaText = c.Formula;
        TReport report;
        ASSERT_TRUE(report.LoadFromFile(TemplatePath("data_report1.fr3")));
        BindEvaluationReport(report, sources);
        SetReportPages(report, *calc, c.Sources, c.Pareto);
        ASSERT_TRUE(report.Prepare());
        const QStringList texts = AllTexts(report.PreparedPages());
        EXPECT_EQ(CountOf(texts, u"Тип A"_s), c.TypeACards);
        EXPECT_EQ(CountOf(texts, u"Тип B"_s), c.TypeBCards);
        EXPECT_EQ(texts.contains(u"Діаграма Парето вкладів джерел(складових) невизначеності в сумарну невизначеність"_s),
                  c.ParetoPage);
        EXPECT_EQ(CountOf(texts, u"q"_s), c.TypeACards == 2 ? 2 : 1); // the budget lists every input
    }
}

} // namespace
