#include "engine/quantile_integration.h"

#include "engine/calculation.h"
#include "engine/coverage.h"
#include "engine/engine_messages.h"

#include <array>
#include <cmath>
#include <numbers>

namespace {

constexpr double StudentStep = 1e-6;
// No level the routines accept needs more: the normal sum reaches 1 before x = 40, and the Student
// sums reach MaxStudentLevel before 1e5 (one degree of freedom needs about 6366). The bounds only
// make sure that no loop can run on for ever.
constexpr double NormalBound = 40;
constexpr double StudentBound = 1e5;

// Densities are evaluated a block of points at a time, which the compiler vectorises; the sum stays
// one serial loop over the same x values, so the results are bit for bit those of stepping point by
// point. Point 0 of a block is the last point of the one before.
constexpr int BlockSize = 256;
using Block = std::array<double, BlockSize>;

template <class Density, class Reached>
IntegrationEnd Integrate(const Density& density, double h, Reached reached, double bound)
{
    Block x;
    Block f;
    x[0] = 0;
    double sum = 0;
    for (;;) {
        for (int i = 1; i < BlockSize; ++i)
            x[i] = x[i - 1] + h;
        density.Fill(x, f);
        for (int i = 1; i < BlockSize; ++i) {
            sum = sum + h * (f[i - 1] + f[i]);
            if (reached(sum))
                return {x[i], sum};
        }
        x[0] = x[BlockSize - 1];
        if (!(x[0] <= bound))
            throw ECalculation(LevelNotReachedText());
    }
}

struct NormalDensity {
    double Root = std::sqrt(2 * std::numbers::pi);

    void Fill(const Block& x, Block& f) const
    {
        for (int i = 0; i < BlockSize; ++i)
            f[i] = std::exp(-x[i] * x[i] / 2) / Root;
    }
};

// Gamma((nu+1)/2) / (sqrt(nu pi) Gamma(nu/2)), the factor before the power in Student's density.
double StudentFactor(double nu)
{
    return GammaHalf((nu + 1) / 2) / (std::sqrt(nu * std::numbers::pi) * GammaHalf(nu / 2));
}

// Odd nu: the exponent -(nu+1)/2 is whole, so the power is the reciprocal of repeated multiplication,
// as the formula language computes it. Groups of Lanes points are carried through the multiplications
// together so that they stay in registers.
struct StudentWholePowerDensity {
    double Nu;
    double Factor;
    int64_t Multiplicity; // (nu+1)/2

    void Fill(const Block& x, Block& f) const
    {
        constexpr int Lanes = 16;
        static_assert(BlockSize % Lanes == 0);
        for (int start = 0; start < BlockSize; start += Lanes) {
            std::array<double, Lanes> base;
            std::array<double, Lanes> power;
            for (int l = 0; l < Lanes; ++l) {
                const double t = x[start + l];
                base[l] = 1 + t * t / Nu;
                power[l] = base[l];
            }
            for (int64_t k = 1; k < Multiplicity; ++k)
                for (int l = 0; l < Lanes; ++l)
                    power[l] = power[l] * base[l];
            for (int l = 0; l < Lanes; ++l)
                f[start + l] = Factor * (1 / power[l]);
        }
    }
};

// Even nu: the exponent has a half, so the power goes through the logarithm.
struct StudentHalfPowerDensity {
    double Nu;
    double Factor;
    double Exponent; // -(nu+1)/2

    void Fill(const Block& x, Block& f) const
    {
        for (int i = 0; i < BlockSize; ++i)
            f[i] = Factor * std::exp(Exponent * std::log(1 + x[i] * x[i] / Nu));
    }
};

} // namespace

IntegrationEnd IntegrateNormal(double h, double p)
{
    if (!(p > 0 && p < 1))
        throw ECalculation(LevelOutOfRangeText());
    return Integrate(NormalDensity{}, h, [p](double sum) { return sum > p; }, NormalBound);
}

IntegrationEnd IntegrateStudent(int64_t nu, double p)
{
    if (!(p > 0 && p < 1))
        throw ECalculation(LevelOutOfRangeText());
    if (p > MaxStudentLevel)
        throw ECalculation(StudentLevelTooHighText());
    if (nu < 1)
        throw ECalculation(NonPositiveDofText());
    const auto reached = [p](double sum) { return sum >= p; };
    const double n = static_cast<double>(nu);
    if (nu % 2 == 1)
        return Integrate(StudentWholePowerDensity{n, StudentFactor(n), (nu + 1) / 2}, StudentStep, reached,
                         StudentBound);
    return Integrate(StudentHalfPowerDensity{n, StudentFactor(n), -(n + 1) / 2}, StudentStep, reached, StudentBound);
}
