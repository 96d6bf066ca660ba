// The two report templates delivered beside the program: they load, hold every object the program
// addresses by name, and lay out with data in both languages.
#include "reports/engine/report.h"
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
                                        RussianReportTexts()};
    std::vector<std::string> names = {"Memo7",  "Memo9",   "Memo51",  "Memo52", "Memo54", "Memo57",
                                      "Memo159", "Memo160", "Memo67", "Memo68", "Memo95"};
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

// Drives the data sets of a loaded template over calc the way the report command does; calc and report
// outlive the preparation.
void FeedReport(TReport& report, const TOrmetaCalc& calc)
{
    const TFeedContext context{calc.OutputUnit, 1};
    auto cards = [&report](const char* name, size_t count, std::function<TFieldTexts(int)> fields) {
        auto feed = [&report, count, fields](int recNo) {
            if (static_cast<size_t>(recNo) < count)
                for (const auto& [field, text] : fields(recNo))
                    report.FindText(ToQt(field))->SetText(ToQt(text));
        };
        report.SetDataSet(QLatin1StringView(name),
                          {feed, feed, [count](int recNo) { return static_cast<size_t>(recNo) >= count; }});
    };
    auto detail = std::make_shared<size_t>(0); // the card whose rows are printed
    const TOrmetaCalc* c = &calc;
    cards("frUserDataset3", c->TypeA.size(), [=](int r) {
        *detail = static_cast<size_t>(r);
        return TypeACardFields(*c->TypeA[*detail], context);
    });
    cards("frUserDataset4", 3, [=](int r) { return ObservationRowFields(*c->TypeA[*detail], r); });
    cards("frUserDataset8", c->TypeG.size(), [=](int r) {
        *detail = static_cast<size_t>(r);
        return CalibrationCardFields(*c->TypeG[*detail], context);
    });
    cards("frUserDataset9", 2, [=](int r) { return MeasurementRowFields(*c->TypeG[*detail], r); });
    cards("frUserDataset1", c->TypeB.size(), [=](int r) { return TypeBCardFields(*c->TypeB[static_cast<size_t>(r)], context); });
    cards("frUserDataset6", c->Nested.size(),
          [=](int r) { return NestedCardFields(*c->Nested[static_cast<size_t>(r)], context); });
    cards("frUserDataset2", 4, [=](int r) { return BudgetRowFields(*c, r, context); });
    report.SetVariableValue([](const QString& name) -> std::optional<QString> {
        const auto value = ReportVariableValue(ToStd(name));
        return value ? std::optional<QString>(ToQt(*value)) : std::nullopt;
    });
    report.SetBeforePrint([](TReportObject& object) {
        if (object.Kind == TObjectKind::CrossTab) {
            auto& grid = static_cast<TReportCrossTab&>(object);
            grid.Clear();
            for (int r = 0; r < 3; ++r)
                for (int c = 0; c < 3; ++c)
                    grid.SetCell(r, c, r == c ? u"1"_s : u"0"_s);
        }
    });
    report.FindText(u"Memo67"_s)->SetText(u"12.3456 +/- 0.0123"_s);
    report.FindText(u"Memo68"_s)->SetText(u"( k=2, p=0.95)"_s);
    QImage chart(800, 500, QImage::Format_RGB32);
    chart.fill(Qt::white);
    report.FindPicture(u"Picture1"_s)->Image = chart;
}

TEST(ReportTemplates, LayOutTheWholeReportWithANestedPartAppended)
{
    const auto calc = SampleEvaluation();
    for (bool ukrainian : {true, false}) {
        SCOPED_TRACE(ukrainian);
        IsUkrainian = ukrainian;
        MessageRecorder recorder;
        TReport report;
        ASSERT_TRUE(report.LoadFromFile(TemplatePath("data_report1.fr3")));
        FeedReport(report, *calc);
        if (!ukrainian)
            for (const auto& [field, text] : RussianReportTexts())
                report.FindText(ToQt(field))->SetText(ToQt(text));
        ASSERT_TRUE(report.Prepare()) << recorder.Messages.join(u'\n').toStdString();
        const size_t ownSheets = report.PreparedPages().size();
        EXPECT_GE(ownSheets, 8u); // each template page starts a sheet

        ASSERT_TRUE(report.LoadFromFile(TemplatePath("data_report2.fr3")));
        FeedReport(report, *calc);
        ASSERT_TRUE(report.Prepare(true)) << recorder.Messages.join(u'\n').toStdString();
        EXPECT_GE(report.PreparedPages().size(), ownSheets + 7); // no Pareto page in the nested part

        const QStringList texts = AllTexts(report.PreparedPages());
        EXPECT_TRUE(texts.contains(ukrainian ? u"Бюджет невизначеності"_s : u"Бюджет неопределенности"_s));
        EXPECT_TRUE(texts.contains(u"Сторінка: 1 із %1"_s.arg(report.PreparedPages().size())));
        EXPECT_FALSE(texts.join(u' ').contains(u"[Aut]"_s));
        // Memo68 stands under Memo67.
        for (const auto& sheet : report.PreparedPages()) {
            const TPreparedText* value = nullptr;
            for (const auto& text : sheet.Texts) {
                if (text.Text == u"12.3456 +/- 0.0123"_s)
                    value = &text;
                if (value && text.Text == u"( k=2, p=0.95)"_s) {
                    EXPECT_DOUBLE_EQ(text.Rect.left(), value->Rect.left());
                }
            }
        }
    }
    IsUkrainian = true;
}

} // namespace
