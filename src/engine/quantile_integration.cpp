#include "engine/quantile_integration.h"

#include "engine/calculation.h"
#include "engine/coverage.h"
#include "engine/engine_messages.h"

#include <array>
#include <cmath>
#include <cstring>
#include <numbers>

namespace {

constexpr double StudentStep = 1e-6;
// Where an integration gives up. The normal sums stop growing before x = 9: with the step 1e-6 at 1
// exactly, so every level below 1 is passed; with 1e-4 at 0.99999999999994593, so the few levels above
// that are refused here. The Student sums reach MaxStudentLevel well before 1e5 (one degree of freedom
// needs about 6366).
constexpr double NormalBound = 40;
constexpr double StudentBound = 1e5;

// Each density value serves two steps: f(x + h) of one step is f(x) of the next, because both come
// from the same x. Either way the sum is one serial loop over the same x values, so the results are
// bit for bit those of stepping point by point and computing every value afresh.

// For densities that call the mathematical library: the calls overlap with the serial additions.
template <class Density, class Reached>
IntegrationEnd IntegrateByPoints(const Density& density, double h, Reached reached, double bound)
{
    double x = 0;
    double f = density(x);
    double sum = 0;
    for (;;) {
        const double next = x + h;
        const double fNext = density(next);
        sum = sum + h * (f + fNext);
        x = next;
        f = fNext;
        if (reached(sum))
            return {x, sum};
        if (!(x <= bound))
            throw ECalculation(LevelNotReachedText());
    }
}

// For densities of plain arithmetic: they are evaluated a block of points at a time, in vector
// registers, while the x values of the next block are stepped within the summing loop. Point 0 of a
// block is the last point of the one before.
constexpr int BlockSize = 256;
using Block = std::array<double, BlockSize>;

template <class Density, class Reached>
IntegrationEnd IntegrateByBlocks(const Density& density, double h, Reached reached, double bound)
{
    Block x;
    Block next;
    Block f;
    x[0] = 0;
    for (int i = 1; i < BlockSize; ++i)
        x[i] = x[i - 1] + h;
    double sum = 0;
    for (;;) {
        density.Fill(x, f);
        double t = x[BlockSize - 1];
        next[0] = t;
        for (int i = 1; i < BlockSize; ++i) {
            sum = sum + h * (f[i - 1] + f[i]);
            if (reached(sum))
                return {x[i], sum};
            t = t + h;
            next[i] = t;
        }
        if (!(next[0] <= bound))
            throw ECalculation(LevelNotReachedText());
        x = next;
    }
}

struct NormalDensity {
    double Root = std::sqrt(2 * std::numbers::pi);

    double operator()(double t) const { return std::exp(-t * t / 2) / Root; }
};

// Gamma((nu+1)/2) / (sqrt(nu pi) Gamma(nu/2)), the factor before the power in Student's density.
double StudentFactor(double nu)
{
    return GammaHalf((nu + 1) / 2) / (std::sqrt(nu * std::numbers::pi) * GammaHalf(nu / 2));
}

// Two doubles, one SSE register; the element-wise operations round exactly as scalar ones do.
using Pair = double __attribute__((vector_size(16)));

// Odd nu: the exponent -(nu+1)/2 is whole, so the power is the reciprocal of repeated multiplication,
// as the formula language computes it. Groups of points are carried through the multiplications
// together, in registers.
struct StudentWholePowerDensity {
    double Nu;
    double Factor;
    int64_t Multiplicity; // (nu+1)/2

    void Fill(const Block& x, Block& f) const
    {
        constexpr int Width = sizeof(Pair) / sizeof(double);
        constexpr int Pairs = 8;
        static_assert(BlockSize % (Width * Pairs) == 0);
        for (int start = 0; start < BlockSize; start += Width * Pairs) {
            Pair base[Pairs];
            Pair power[Pairs];
            for (int p = 0; p < Pairs; ++p) {
                Pair t;
                std::memcpy(&t, &x[start + p * Width], sizeof t);
                base[p] = 1 + t * t / Nu;
                power[p] = base[p];
            }
            for (int64_t k = 1; k < Multiplicity; ++k)
                for (int p = 0; p < Pairs; ++p)
                    power[p] = power[p] * base[p];
            for (int p = 0; p < Pairs; ++p) {
                const Pair value = Factor * (1 / power[p]);
                std::memcpy(&f[start + p * Width], &value, sizeof value);
            }
        }
    }
};

// Even nu: the exponent has a half, so the power goes through the logarithm.
struct StudentHalfPowerDensity {
    double Nu;
    double Factor;
    double Exponent; // -(nu+1)/2

    double operator()(double t) const { return Factor * std::exp(Exponent * std::log(1 + t * t / Nu)); }
};

} // namespace

IntegrationEnd IntegrateNormal(double h, double p)
{
    if (!(p > 0 && p < 1))
        throw ECalculation(LevelOutOfRangeText());
    return IntegrateByPoints(NormalDensity{}, h, [p](double sum) { return sum > p; }, NormalBound);
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
        return IntegrateByBlocks(StudentWholePowerDensity{n, StudentFactor(n), (nu + 1) / 2}, StudentStep, reached,
                         StudentBound);
    return IntegrateByPoints(StudentHalfPowerDensity{n, StudentFactor(n), -(n + 1) / 2}, StudentStep, reached,
                             StudentBound);
}
