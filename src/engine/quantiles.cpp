#include "engine/coverage.h"

#include "engine/quantile_integration.h"
#include "formula/float_errors.h"

#include <cmath>
#include <numbers>

namespace {
constexpr double EngineNormalStep = 1e-4;
constexpr double QuantileStep = 1e-6;
} // namespace

double CoverageQuantile(int64_t nu, double p)
{
    if (nu >= DofLimit)
        return IntegrateNormal(QuantileStep, p).X;
    return IntegrateStudent(nu, p).X;
}

double NormalCoverageFactor(double p)
{
    return IntegrateNormal(EngineNormalStep, p).X;
}

double GammaHalf(double x)
{
    const double fraction = x - std::trunc(x);
    if ((fraction != 0 && fraction != 0.5) || !(x > 0))
        return -1;
    double r = fraction == 0 ? 1 : std::sqrt(std::numbers::pi);
    // Beyond about 171 the product leaves the double range; stop there rather than step on for ever.
    for (double d = fraction == 0 ? 1 : 0.5; d < x; d = d + 1)
        r = CheckedResult(r * d);
    return r;
}
