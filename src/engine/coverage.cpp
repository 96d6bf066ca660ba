#include "engine/coverage.h"

#include "engine/calculation.h"
#include "engine/effective_dof.h"
#include "engine/engine_messages.h"

#include <cmath>
#include <numbers>

namespace {

// A uniform contribution this many times the sum of all others decides the distribution alone.
constexpr double DominanceRatio = 3;
// Fewer observations than this make a small sample.
constexpr int32_t SmallSampleLimit = 10;

bool IsNormalOrUniform(int code)
{
    return code == DistNormal || code == DistUniform;
}

double Contribution(const TOrmetaInput& input)
{
    return std::abs(input.Sensitivity * input.StdUncertainty);
}

double Contribution(const TOrmetaCalc& nested)
{
    return std::abs(nested.Sensitivity * nested.CombinedUncertainty);
}

// The largest uniform contribution D against the sum T of all the others: 3 T < D. Among equal
// uniform contributions the last one examined wins, nested evaluations after Type B inputs.
bool UniformDominates(const TOrmetaCalc& calc)
{
    const void* dominant = nullptr;
    double largest = 0;
    const auto consider = [&](const void* record, double y) {
        if (y >= largest) {
            largest = y;
            dominant = record;
        }
    };
    for (const auto& b : calc.TypeB)
        if (b->Distribution == DistUniform)
            consider(b.get(), Contribution(*b));
    for (const auto& n : calc.Nested)
        if (n->CoverageMethod == MethodUniform)
            consider(n.get(), Contribution(*n));

    double others = 0;
    for (const auto& a : calc.TypeA)
        others = others + Contribution(*a);
    for (const auto& g : calc.TypeG)
        others = others + Contribution(*g);
    for (const auto& b : calc.TypeB)
        if (b.get() != dominant)
            others = others + Contribution(*b);
    for (const auto& n : calc.Nested)
        if (n.get() != dominant)
            others = others + Contribution(*n);
    return DominanceRatio * others < largest;
}

// Student's t unless more normal or uniform inputs than small samples point to a normal output.
uint8_t StudentOrNormal(const TOrmetaCalc& calc)
{
    int32_t normalOrUniform = 0;
    for (const auto& b : calc.TypeB)
        normalOrUniform += IsNormalOrUniform(b->Distribution);
    for (const auto& n : calc.Nested)
        normalOrUniform += IsNormalOrUniform(n->CoverageMethod);
    int32_t smallSamples = 0;
    for (const auto& a : calc.TypeA)
        smallSamples += a->Count < SmallSampleLimit;
    for (const auto& g : calc.TypeG)
        smallSamples += g->Count < SmallSampleLimit;
    return normalOrUniform <= smallSamples ? MethodStudent : MethodNormal;
}

uint8_t ChooseMethod(const TOrmetaCalc& calc)
{
    if ((!calc.TypeB.empty() || !calc.Nested.empty()) && UniformDominates(calc))
        return MethodUniform;
    return StudentOrNormal(calc);
}

struct Coverage {
    double Factor;
    int32_t Dof; // 0: infinity
};

Coverage CoverageOf(const TOrmetaCalc& calc, uint8_t method)
{
    const double p = calc.ConfidenceLevel;
    switch (method) {
    case MethodNormal:
        return {NormalCoverageFactor(p), 0};
    case MethodUniform:
        return {p * std::numbers::sqrt3, 0};
    case MethodStudent: {
        const int64_t nu = EffectiveDegreesOfFreedom(calc);
        return {CoverageQuantile(nu, p), nu < DofLimit ? static_cast<int32_t>(nu) : 0};
    }
    default:
        throw ECalculation(UnknownMethodText(method));
    }
}

} // namespace

void CheckConfidenceLevel(const TOrmetaCalc& calc)
{
    if (!(calc.ConfidenceLevel > 0 && calc.ConfidenceLevel < 1))
        throw ECalculation(EvaluationFailure(calc, LevelOutOfRangeText()));
}

void ApplyCoverage(TOrmetaCalc& calc)
{
    CheckConfidenceLevel(calc);
    const uint8_t method = calc.CoverageMethod == MethodAutomatic ? ChooseMethod(calc) : calc.CoverageMethod;
    Coverage coverage;
    try {
        coverage = CoverageOf(calc, method);
    } catch (const ECalculation& e) {
        throw ECalculation(EvaluationFailure(calc, e.what()));
    }
    calc.CoverageFactor = coverage.Factor;
    calc.EffectiveDof = coverage.Dof;
    calc.CoverageMethod = method;
}
