// The Pareto chart: order, colours, percentages and marks of the bars; the window and its picture.
#include "reports/pareto/TParetoForm.h"
#include "reports/pareto/pareto_bars.h"
#include "report_test_support.h"
#include "text/number_format.h"

#include <QBarSet>
#include <QChartView>
#include <QPushButton>
#include <QStackedBarSeries>
#include <gtest/gtest.h>

#include <cmath>

using namespace Qt::StringLiterals;

namespace {

// An input of a given kind with its sensitivity and standard uncertainty.
struct Input {
    char Kind; // 'A', 'B', 'N' (nested), 'G' (calibration)
    std::string Name;
    double Sensitivity;
    double Uncertainty;
};

std::unique_ptr<TOrmetaCalc> Evaluation(const std::vector<Input>& inputs)
{
    auto calc = std::make_unique<TOrmetaCalc>();
    for (const auto& in : inputs) {
        auto fill = [&](TOrmetaInput& record) {
            record.Name = in.Name;
            record.Sensitivity = in.Sensitivity;
            record.StdUncertainty = in.Uncertainty;
        };
        switch (in.Kind) {
        case 'A':
            fill(*calc->TypeA.emplace_back(std::make_unique<TOrmetaTypeA>()));
            break;
        case 'B':
            fill(*calc->TypeB.emplace_back(std::make_unique<TOrmetaTypeB>()));
            break;
        case 'G':
            fill(*calc->TypeG.emplace_back(std::make_unique<TOrmetaTypeG>()));
            break;
        default: {
            auto& nested = *calc->Nested.emplace_back(std::make_unique<TOrmetaCalc>());
            nested.OutputName = in.Name;
            nested.Sensitivity = in.Sensitivity;
            nested.CombinedUncertainty = in.Uncertainty;
        }
        }
    }
    return calc;
}

double Total(const std::vector<Input>& inputs)
{
    double total = 0;
    for (const auto& in : inputs)
        total += std::fabs(in.Sensitivity * in.Uncertainty);
    return total;
}

TEST(ParetoBars, OrderPercentagesAndMarks)
{
    struct Case {
        const char* What;
        std::vector<Input> Inputs;
        QStringList Labels;
        std::vector<double> Values;
        QStringList Marks;
    };
    const std::vector<Case> cases = {
        {"no inputs", {}, {}, {}, {}},
        {"a single input", {{'B', "x", 2, 0.5}}, {u"x"_s}, {100}, {u"100 %"_s}},
        {"largest first, negative sensitivities count by size",
         {{'A', "a", 1, 1}, {'B', "b", -3, 1}, {'G', "g", 1, 4}, {'N', "n", 2, 1}},
         {u"g"_s, u"b"_s, u"n"_s, u"a"_s},
         {40, 30, 20, 10},
         {u"40 %"_s, u"30 %"_s, u"20 %"_s, u"10 %"_s}},
        {"equal contributions keep the input order A, B, nested, calibration",
         {{'G', "g", 1, 1}, {'N', "n", 1, 1}, {'B', "b", 1, 1}, {'A', "a", 1, 1}},
         {u"a"_s, u"b"_s, u"n"_s, u"g"_s},
         {25, 25, 25, 25},
         {u"25 %"_s, u"25 %"_s, u"25 %"_s, u"25 %"_s}},
        {"a zero contribution gets a bar of 0 at the end",
         {{'A', "zero", 0, 1}, {'A', "x", 1, 3}, {'B', "y", 1, 6}},
         {u"y"_s, u"x"_s, u"zero"_s},
         {200.0 / 3, 100.0 / 3, 0},
         {u"66.67 %"_s, u"33.33 %"_s, u"0 %"_s}},
        {"all contributions 0: no division, bars of 0 marked -",
         {{'A', "a", 0, 1}, {'B', "b", 1, 0}},
         {u"a"_s, u"b"_s},
         {0, 0},
         {u"-"_s, u"-"_s}},
    };
    SetRegionalSeparators({".", ","});
    for (const auto& c : cases) {
        SCOPED_TRACE(c.What);
        const auto calc = Evaluation(c.Inputs);
        const auto bars = ParetoBars(*calc, Total(c.Inputs));
        ASSERT_EQ(bars.size(), c.Values.size());
        for (size_t i = 0; i < bars.size(); ++i) {
            EXPECT_EQ(bars[i].Label, c.Labels[static_cast<qsizetype>(i)]);
            EXPECT_NEAR(bars[i].Value, c.Values[i], 1e-9);
            EXPECT_EQ(bars[i].Mark, c.Marks[static_cast<qsizetype>(i)]);
            EXPECT_EQ(bars[i].Color, ParetoBarColor(static_cast<int>(i)));
        }
    }
}

TEST(ParetoBars, MarksUseTheRegionalSeparator)
{
    SetRegionalSeparators({",", " "});
    const auto calc = Evaluation({{'A', "a", 1, 1}, {'A', "b", 1, 2}});
    const auto bars = ParetoBars(*calc, 3);
    SetRegionalSeparators({".", ","});
    ASSERT_EQ(bars.size(), 2u);
    EXPECT_EQ(bars[0].Mark, u"66,67 %"_s);
}

TEST(ParetoBars, ColoursByPositionAndLongNames)
{
    const std::vector<QColor> first = {{16, 114, 85},   {135, 177, 222}, {254, 240, 103},
                                       {117, 47, 240}, {236, 110, 121}, {99, 173, 2}};
    for (size_t i = 0; i < first.size(); ++i)
        EXPECT_EQ(ParetoBarColor(static_cast<int>(i)), first[i]) << i;

    const std::string name60 = "Вологість_повітря_у_приміщенні_лабораторії_під_час_вимірювання";
    const auto calc = Evaluation({{'A', name60, 1, 1}});
    const auto bars = ParetoBars(*calc, 1);
    ASSERT_EQ(bars.size(), 1u);
    EXPECT_EQ(bars[0].Label, QString::fromStdString(name60).left(50)); // characters, not bytes
}

TEST(ParetoForm, FillsTheSeriesAndDrawsAWhiteImage)
{
    TParetoForm form;
    EXPECT_EQ(form.size(), QSize(800, 548));
    auto* series = form.findChild<QChartView*>(u"Chart1"_s)->chart()->findChild<QStackedBarSeries*>(u"Series1"_s);
    ASSERT_NE(series, nullptr);
    EXPECT_EQ(series->count(), 0); // empty until the first calculation
    const auto* close = form.findChild<QPushButton*>(u"Button1"_s);
    ASSERT_NE(close, nullptr);
    EXPECT_TRUE(close->isDefault());

    for (double total : {6.0, 0.0}) {
        SCOPED_TRACE(total);
        const auto calc = Evaluation({{'A', "a", 1, 1}, {'B', "b", 1, 2}, {'G', "c", 1, 3}});
        form.FillParetoChart(*calc, total);
        ASSERT_EQ(series->count(), 3);
        const auto sets = series->barSets();
        EXPECT_EQ(sets[0]->label(), u"c"_s);
        ASSERT_NE(sets[1]->brush().gradient(), nullptr); // the bar's colour fades downwards
        EXPECT_EQ(sets[1]->brush().gradient()->stops().front().second, ParetoBarColor(1));
        EXPECT_NEAR(sets[0]->at(0), total ? 50 : 0, 1e-9);
        EXPECT_EQ(sets[0]->at(1), 0); // each bar stands in its own category only

        const QImage image = form.ChartImage();
        EXPECT_EQ(image.size(), QSize(800, 500));
        EXPECT_EQ(image.pixelColor(0, 0), QColor(Qt::white));
        EXPECT_EQ(image.pixelColor(799, 499), QColor(Qt::white));
    }
}

} // namespace
