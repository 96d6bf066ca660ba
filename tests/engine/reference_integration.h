#pragma once
// The quantile integrations written the plain way, one point per step with every density value
// computed afresh: what the block-wise routines must match bit for bit. Shared by the tests and the
// benchmark.
#include "engine/coverage.h"
#include "engine/quantile_integration.h"
#include "formula/evaluator.h"

#include <cmath>
#include <numbers>

namespace reference {

inline double NormalDensity(double t)
{
    return std::exp(-t * t / 2) / std::sqrt(2 * std::numbers::pi);
}

inline double StudentFactor(double nu)
{
    return GammaHalf((nu + 1) / 2) / (std::sqrt(nu * std::numbers::pi) * GammaHalf(nu / 2));
}

// The integrations exactly as the algorithm states them: S = S + h (f(x) + f(x + h)); x = x + h.
inline IntegrationEnd IntegrateNormal(double h, double p)
{
    double x = 0;
    double s = 0;
    for (;;) {
        s = s + h * (NormalDensity(x) + NormalDensity(x + h));
        x = x + h;
        if (s > p)
            return {x, s};
    }
}

// The constant factor of the density is the same number at every step, so computing it once changes
// no bit.
inline IntegrationEnd IntegrateStudent(int64_t nu, double p)
{
    const double n = static_cast<double>(nu);
    const double factor = StudentFactor(n);
    const auto f = [&](double t) { return factor * PowerRule(1 + t * t / n, -(n + 1) / 2); };
    const double h = 1e-6;
    double x = 0;
    double s = 0;
    for (;;) {
        s = s + h * (f(x) + f(x + h));
        x = x + h;
        if (x > 1e20 || s >= p)
            return {x, s};
    }
}

} // namespace reference
