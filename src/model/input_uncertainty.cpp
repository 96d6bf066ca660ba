#include "model/input_uncertainty.h"

#include "formula/evaluator.h"
#include "formula/float_errors.h"
#include "text/convert_error.h"
#include "text/language.h"

#include <cmath>
#include <numbers>

namespace {
constexpr double NormalQuantileStep = 1e-5;
constexpr double PivotFloor = 1e-20;

double StandardNormalDensity(double t)
{
    return std::exp(-(t * t) / 2.0) / std::sqrt(2.0 * std::numbers::pi);
}

double Mean(const TArrDouble& values)
{
    double sum = 0;
    for (double v : values)
        sum += v;
    return CheckedDivide(CheckedResult(sum), static_cast<double>(values.size()));
}

// Standard uncertainty of Type B inputs by distribution code (U-shaped: arcsine, A/sqrt(2)).
double TypeBUncertainty(const TOrmetaTypeB& b, double& value)
{
    const double sqrt3 = std::sqrt(3.0);
    const double sqrt6 = std::sqrt(6.0);
    switch (b.Distribution) {
    case DistNormal:
        if (b.HalfWidthForm) {
            value = b.ParamA;
            return NormalStdUncertainty(b.ParamP, b.ParamA - b.ParamB, b.ParamA + b.ParamB);
        }
        value = (b.ParamA + b.ParamB) / 2;
        return NormalStdUncertainty(b.ParamP, b.ParamA, b.ParamB);
    case DistTriangular:
        if (b.HalfWidthForm) {
            value = b.ParamA;
            return std::abs(b.ParamB) / sqrt6;
        }
        value = (b.ParamA + b.ParamB) / 2;
        return std::abs(b.ParamA - b.ParamB) / (2 * sqrt6);
    case DistUShaped:
        value = 0;
        return b.ParamP / std::sqrt(2.0);
    case DistTrapezoidal: {
        value = b.ParamP;
        const double beta = CheckedDivide(std::abs(b.ParamA - b.ParamB), b.ParamA + b.ParamB);
        return (b.ParamA + b.ParamB) * std::sqrt(beta * beta + 1) / sqrt6;
    }
    case DistUniform:
        if (b.HalfWidthForm) {
            value = b.ParamA;
            return std::abs(b.ParamB) / sqrt3;
        }
        value = (b.ParamA + b.ParamB) / 2;
        return std::abs(b.ParamA - b.ParamB) / (2 * sqrt3);
    default:
        value = 0;
        return 0;
    }
}

// Least squares by the normal equations, Gaussian elimination without pivoting or row exchange.
// floorPivots: the quadratic fit divides by 1e-20 where a pivot is not larger in magnitude.
std::vector<double> FitPolynomial(const TArrDouble& x, const TArrDouble& y, int degree, bool floorPivots)
{
    const int size = degree + 1;
    std::vector<std::vector<double>> a(size, std::vector<double>(size, 0.0));
    std::vector<double> rhs(size, 0.0);
    for (size_t p = 0; p < x.size(); ++p) {
        for (int i = 0; i < size; ++i) {
            for (int l = 0; l < size; ++l)
                a[i][l] = CheckedResult(a[i][l] + PowerRule(x[p], i + l));
            rhs[i] = CheckedResult(rhs[i] + PowerRule(x[p], i) * y[p]);
        }
    }
    auto pivot = [&](int i) {
        return floorPivots && std::abs(a[i][i]) <= PivotFloor ? PivotFloor : a[i][i];
    };
    for (int i = 0; i < degree; ++i) {
        for (int r = i + 1; r < size; ++r) {
            const double factor = CheckedDivide(a[r][i], pivot(i));
            for (int l = 0; l < size; ++l)
                a[r][l] = CheckedResult(a[r][l] - factor * a[i][l]);
            rhs[r] = CheckedResult(rhs[r] - factor * rhs[i]);
        }
    }
    std::vector<double> coef(size, 0.0);
    for (int i = size - 1; i >= 0; --i) {
        double sum = rhs[i];
        for (int l = i + 1; l < size; ++l)
            sum -= a[i][l] * coef[l];
        coef[i] = CheckedDivide(CheckedResult(sum), pivot(i));
    }
    return coef;
}

// The calibration points, standard by standard and within each standard repeat by repeat.
void CalibrationPoints(const TOrmetaTypeG& g, TArrDouble& x, TArrDouble& y)
{
    for (const auto& row : g.CalibrationData)
        if (static_cast<int32_t>(row.size()) != g.Standards)
            throw EConvertError(Msg("Дані калібрування неповні: кожен рядок повинен мати значення для всіх еталонів.",
                                    "Данные калибровки неполны: каждая строка должна иметь значения для всех эталонов."));
    for (int32_t j = 0; j < g.Standards; ++j) {
        for (int32_t r = 1; r <= g.Repeats; ++r) {
            x.push_back(g.CalibrationData[0][j]);
            y.push_back(g.CalibrationData[r][j]);
        }
    }
}
} // namespace

double NormalIntervalFactor(double probability)
{
    const double h = NormalQuantileStep;
    double x = 0;
    double sum = 0;
    double density = StandardNormalDensity(x);
    while (true) {
        const double next = StandardNormalDensity(x + h);
        const double grown = sum + h * (density + next);
        // The increments only shrink from here on: once one no longer changes the sum (near x = 8),
        // a probability the sum has not reached can never be reached.
        const bool saturated = grown == sum;
        sum = grown;
        x = x + h;
        density = next;
        if (sum >= probability)
            return x;
        if (saturated)
            throw EConvertError(Msg("Імовірність нормального розподілу повинна бути більшою за 0 і помітно меншою "
                                    "за 1: рівень так близько до 1 не досяжний.",
                                    "Вероятность нормального распределения должна быть больше 0 и заметно меньше "
                                    "1: уровень так близко к 1 недостижим."));
    }
}

double NormalStdUncertainty(double probability, double first, double second)
{
    const double k = NormalIntervalFactor(probability);
    return std::abs((second - first) / (2 * k));
}

std::array<double, 2> FitLine(const TArrDouble& x, const TArrDouble& y)
{
    const auto coef = FitPolynomial(x, y, 1, false);
    return {coef[0], coef[1]};
}

std::array<double, 3> FitQuadratic(const TArrDouble& x, const TArrDouble& y)
{
    const auto coef = FitPolynomial(x, y, 2, true);
    return {coef[0], coef[1], coef[2]};
}

void ComputeTypeA(TOrmetaTypeA& input)
{
    const double n = static_cast<double>(input.Observations.size());
    const double mean = Mean(input.Observations);
    if (input.HasPriorSD) {
        input.StdUncertainty = CheckedDivide(input.PriorSD, std::sqrt(n));
    }
    else {
        double squares = 0;
        for (double v : input.Observations)
            squares += (mean - v) * (mean - v);
        input.StdUncertainty = CheckedSqrt(CheckedDivide(CheckedResult(squares), n * (n - 1)));
    }
    input.Value = input.Normalized ? 0.0 : mean;
}

void ComputeTypeB(TOrmetaTypeB& input)
{
    double value = 0;
    input.StdUncertainty = CheckedResult(TypeBUncertainty(input, value));
    input.Value = CheckedResult(value);
}

void ComputeTypeG(TOrmetaTypeG& input)
{
    TArrDouble x;
    TArrDouble y;
    CalibrationPoints(input, x, y);
    if (input.IsQuadratic) {
        const auto c = FitQuadratic(x, y);
        input.Intercept = c[0];
        input.Slope = c[1];
        input.Curvature = c[2];
    }
    else {
        const auto c = FitLine(x, y);
        input.Intercept = c[0];
        input.Slope = c[1];
        input.Curvature = 0;
    }
    input.Value = Mean(input.Measurements);

    const double m = input.Repeats;
    TArrDouble references(input.CalibrationData.empty() ? TArrDouble() : input.CalibrationData[0]);
    const double referenceMean = Mean(references);
    double spread = 0;
    for (double r : references)
        spread += (r - referenceMean) * (r - referenceMean);
    const double sxx = m * spread;

    double ss = 0;
    for (size_t p = 0; p < x.size(); ++p) {
        double residual = y[p] - input.Intercept - input.Slope * x[p];
        if (input.IsQuadratic)
            residual -= input.Curvature * x[p] * x[p];
        ss += residual * residual;
    }
    const double points = m * input.Standards;
    const double s = CheckedSqrt(CheckedDivide(CheckedResult(ss), points - 2));
    const double offset = input.Value - referenceMean;
    const double spreadTerm = CheckedDivide(offset * offset, sxx) +
                              CheckedDivide(1.0, static_cast<double>(input.Count)) + CheckedDivide(1.0, points);
    input.StdUncertainty = CheckedResult(CheckedSqrt(spreadTerm) * std::abs(CheckedDivide(s, input.Slope)));
    input.Dof = input.Count - 1;
}
