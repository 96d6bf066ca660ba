#pragma once
// The points of the least-squares chart of a calibration input: the readings of the standards and the
// fitted function f(x) = a + b x + c x^2 sampled over the range of the reference values.
#include "model/records.h"

#include <vector>

struct TChartPoint {
    double X = 0;
    double Y = 0;
    bool operator==(const TChartPoint&) const = default;
};

struct TLsChartPoints {
    std::vector<TChartPoint> Readings; // one per reading of each standard
    std::vector<TChartPoint> Curve;    // the fitted function
};

// The chart's two choices of X axis.
enum class TChartAxis {
    Observed = 0, // X: the readings; the curve is drawn as X = f(Y)
    Measured = 1, // X: the reference values; the curve is Y = f(X)
};

// data: row 0 the reference values, rows 1..M the readings, one element per standard. The curve runs
// from the smallest reference value in steps of 1/100 of their range up to one step past the largest
// (102 points); with no range (all references equal) it is the single point at that value, with no
// standards it is empty. Both lists are ordered by ascending X.
TLsChartPoints LsChartPoints(const TMatDouble& data, double intercept, double slope, double curvature, TChartAxis axis);
