#include "ui/dialogs/ls_chart_points.h"

#include <algorithm>

namespace {
constexpr int kSteps = 100;

void SortByX(std::vector<TChartPoint>& points)
{
    std::stable_sort(points.begin(), points.end(),
                     [](const TChartPoint& left, const TChartPoint& right) { return left.X < right.X; });
}
} // namespace

TLsChartPoints LsChartPoints(const TMatDouble& data, double intercept, double slope, double curvature, TChartAxis axis)
{
    const auto f = [&](double x) { return intercept + slope * x + curvature * x * x; };
    const auto point = [axis](double reference, double reading) {
        return axis == TChartAxis::Measured ? TChartPoint{reference, reading} : TChartPoint{reading, reference};
    };

    TLsChartPoints points;
    if (data.empty() || data[0].empty())
        return points;
    const TArrDouble& references = data[0];
    for (std::size_t i = 0; i < references.size(); ++i) {
        for (std::size_t j = 1; j < data.size(); ++j) {
            if (i < data[j].size())
                points.Readings.push_back(point(references[i], data[j][i]));
        }
    }

    const auto [lo, hi] = std::minmax_element(references.begin(), references.end());
    const double step = (*hi - *lo) / kSteps;
    // Counted steps rather than a running sum: the end does not depend on rounding, and a zero step
    // (all references equal) gives one point instead of an endless loop.
    const int last = step > 0 ? kSteps + 1 : 0;
    for (int k = 0; k <= last; ++k) {
        const double x = *lo + k * step;
        points.Curve.push_back(point(x, f(x)));
    }

    SortByX(points.Readings);
    SortByX(points.Curve);
    return points;
}
