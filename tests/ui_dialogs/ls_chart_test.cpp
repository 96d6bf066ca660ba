#include "dialog_test_support.h"

#include "ui/dialogs/TLSFF.h"
#include "ui/dialogs/ls_chart_points.h"

#include <QChartView>
#include <QRadioButton>
#include <QXYSeries>

#include <algorithm>
#include <cmath>

namespace {

std::vector<TChartPoint> Exchanged(std::vector<TChartPoint> points)
{
    for (TChartPoint& point : points)
        std::swap(point.X, point.Y);
    return points;
}

bool Ascending(const std::vector<TChartPoint>& points)
{
    return std::is_sorted(points.begin(), points.end(),
                          [](const TChartPoint& a, const TChartPoint& b) { return a.X < b.X; });
}

struct SamplingCase {
    const char* Name;
    TMatDouble Data;
    double A, B, C;
    std::size_t CurvePoints;
    double FirstReference, LastReference; // of the curve, when it has points
};

class LsChartSampling : public ::testing::TestWithParam<SamplingCase> {};

TEST_P(LsChartSampling, CurveSpansTheReferencesInBothOrientations)
{
    const SamplingCase& c = GetParam();
    const TLsChartPoints measured = LsChartPoints(c.Data, c.A, c.B, c.C, TChartAxis::Measured);
    const TLsChartPoints observed = LsChartPoints(c.Data, c.A, c.B, c.C, TChartAxis::Observed);
    ASSERT_EQ(measured.Curve.size(), c.CurvePoints);
    ASSERT_EQ(observed.Curve.size(), c.CurvePoints);
    EXPECT_TRUE(Ascending(measured.Curve) && Ascending(observed.Curve) && Ascending(measured.Readings) &&
                Ascending(observed.Readings));
    const auto f = [&c](double x) { return c.A + c.B * x + c.C * x * x; };
    for (const TChartPoint& point : measured.Curve)
        EXPECT_DOUBLE_EQ(point.Y, f(point.X));
    for (const TChartPoint& point : observed.Curve)
        EXPECT_DOUBLE_EQ(point.X, f(point.Y));
    if (c.CurvePoints == 0)
        return;
    EXPECT_DOUBLE_EQ(measured.Curve.front().X, c.FirstReference);
    EXPECT_NEAR(measured.Curve.back().X, c.LastReference, 1e-12);
}

INSTANTIATE_TEST_SUITE_P(
    Data, LsChartSampling,
    ::testing::Values(SamplingCase{"line", {{1, 2, 3}, {1, 2, 3}}, 0, 1, 0, 102, 1, 3.02},
                      SamplingCase{"quadratic", {{3, 1, 2}, {10, 2, 5}, {10.5, 2.2, 4.9}}, 1, 0, 1, 102, 1, 3.02},
                      SamplingCase{"falling", {{0, 10}, {5, -5}}, 5, -1, 0, 102, 0, 10.1},
                      SamplingCase{"equal references", {{2, 2, 2}, {1, 2, 3}}, 0, 1, 0, 1, 2, 2},
                      SamplingCase{"one standard", {{7}, {6.5}, {7.5}}, 0, 1, 0.5, 1, 7, 7},
                      SamplingCase{"no standards", {{}, {}}, 0, 1, 0, 0, 0, 0},
                      SamplingCase{"no data", {}, 0, 1, 0, 0, 0, 0}),
    [](const auto& info) {
        std::string name = info.param.Name;
        std::replace(name.begin(), name.end(), ' ', '_');
        return name;
    });

TEST(LsChartPoints, ReadingsOfEveryStandardAndTheirExchange)
{
    const TMatDouble data{{1, 2}, {1.1, 2.2}, {0.9, 1.8}};
    const TLsChartPoints measured = LsChartPoints(data, 0, 1, 0, TChartAxis::Measured);
    EXPECT_EQ(measured.Readings, (std::vector<TChartPoint>{{1, 1.1}, {1, 0.9}, {2, 2.2}, {2, 1.8}}));
    const TLsChartPoints observed = LsChartPoints(data, 0, 1, 0, TChartAxis::Observed);
    EXPECT_EQ(observed.Readings, (std::vector<TChartPoint>{{0.9, 1}, {1.1, 1}, {1.8, 2}, {2.2, 2}}));
    std::vector<TChartPoint> back = Exchanged(observed.Curve);
    std::sort(back.begin(), back.end(), [](const TChartPoint& a, const TChartPoint& b) { return a.X < b.X; });
    EXPECT_EQ(back, measured.Curve);
}

class LsChartWindow : public DialogTest {
  protected:
    static TOrmetaTypeG Input(double curvature)
    {
        TOrmetaTypeG input;
        input.Name = "G";
        input.CalibrationData = {{1, 2, 3}, {1, 2, 3}};
        input.Slope = 1;
        input.Curvature = curvature;
        return input;
    }
    // The series belong to the chart, not to the window.
    QList<QPointF> Points(const char* name)
    {
        for (QAbstractSeries* series : Child<QChartView>(Window, "Chart1")->chart()->series()) {
            if (series->objectName() == QLatin1String(name))
                return static_cast<QXYSeries*>(series)->points();
        }
        ADD_FAILURE() << "no series " << name;
        return {};
    }
    QList<QPointF> Readings() { return Points("Series1"); }
    QList<QPointF> Curve() { return Points("Series2"); }

    TLSFF Window;
};

TEST_F(LsChartWindow, OrientationsAndAMissingInput)
{
    Window.Draw(nullptr);
    EXPECT_TRUE(Readings().isEmpty());
    EXPECT_TRUE(Window.windowTitle().isEmpty());

    const TOrmetaTypeG input = Input(0);
    Window.Draw(&input);
    EXPECT_EQ(Window.Axis(), TChartAxis::Measured);
    EXPECT_EQ(Window.windowTitle(),
              QStringLiteral("Пряма, побудована за методом найменших квадратів з результатів калібрування"));
    EXPECT_EQ(Readings(), (QList<QPointF>{{1, 1}, {2, 2}, {3, 3}}));
    EXPECT_EQ(Curve().size(), 102);

    // A click on "спостерігається" redraws with the axes exchanged.
    TOrmetaTypeG skewed = Input(0);
    skewed.CalibrationData = {{1, 2}, {10, 20}};
    Window.Draw(&skewed);
    Child<QRadioButton>(Window, "RG1Item0")->click();
    EXPECT_EQ(Window.Axis(), TChartAxis::Observed);
    EXPECT_EQ(Readings(), (QList<QPointF>{{10, 1}, {20, 2}}));
    EXPECT_DOUBLE_EQ(Curve().front().y(), 1);

    // The input is found by its name among the calibration inputs of the shown evaluation; with no
    // input of that name the previous plot stays.
    TOrmetaCalc evaluation;
    evaluation.TypeG.push_back(std::make_unique<TOrmetaTypeG>(Input(0.5)));
    Window.Draw(evaluation, "H");
    EXPECT_EQ(Readings(), (QList<QPointF>{{10, 1}, {20, 2}}));
    Window.Draw(evaluation, "G");
    EXPECT_EQ(Readings(), (QList<QPointF>{{1, 1}, {2, 2}, {3, 3}}));
    EXPECT_TRUE(Window.windowTitle().startsWith(QStringLiteral("Квадратична")));
}

struct CaptionCase {
    double Curvature;
    bool Ukrainian;
    const char* Caption;
};

class LsChartCaption : public LsChartWindow, public ::testing::WithParamInterface<CaptionCase> {};

TEST_P(LsChartCaption, DependsOnTheStoredCurvatureOnly)
{
    IsUkrainian = GetParam().Ukrainian;
    const TOrmetaTypeG input = Input(GetParam().Curvature);
    Window.Draw(&input);
    EXPECT_EQ(Window.windowTitle(), QString::fromUtf8(GetParam().Caption));
}

INSTANTIATE_TEST_SUITE_P(
    Curvatures, LsChartCaption,
    ::testing::Values(
        CaptionCase{0, true, "Пряма, побудована за методом найменших квадратів з результатів калібрування"},
        CaptionCase{1e-300, true,
                    "Квадратична залежність, побудована за методом найменших квадратів з результатів калібрування"},
        CaptionCase{-2, false,
                    "Квадратичная зависимость, построенная методом наименьших квадратов по результатам калибровки"},
        CaptionCase{0, false, "Прямая, построенная методом наименьших квадратов по результатам калибровки"}));

TEST_F(LsChartWindow, EqualReferencesDrawOneCurvePoint)
{
    TOrmetaTypeG input = Input(0);
    input.CalibrationData = {{2, 2, 2}, {1.9, 2, 2.1}};
    for (const char* item : {"RG1Item0", "RG1Item1"}) {
        Child<QRadioButton>(Window, item)->click();
        Window.Draw(&input);
        EXPECT_EQ(Readings().size(), 3);
        EXPECT_EQ(Curve().size(), 1);
    }
}

} // namespace
