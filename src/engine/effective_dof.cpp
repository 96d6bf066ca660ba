#include "engine/effective_dof.h"

#include "engine/coverage.h"
#include "formula/float_errors.h"

#include <cmath>

namespace {

double FourthPower(double y)
{
    return CheckedResult(y * y * (y * y));
}

// A sample of Count observations or measurements with no degrees of freedom given.
double PerSampleDof(double fourth, int32_t count)
{
    if (count - 1 == 0)
        throw EZeroDivide();
    return fourth / (count - 1);
}

double Contribution4(const TOrmetaInput& input)
{
    return FourthPower(input.Sensitivity * input.StdUncertainty);
}

} // namespace

int64_t EffectiveDegreesOfFreedom(const TOrmetaCalc& calc)
{
    double w = 0;
    for (const auto& a : calc.TypeA) {
        if (a->Dof > 0)
            w = w + Contribution4(*a) / a->Dof;
        else if (!a->HasPriorSD)
            w = w + PerSampleDof(Contribution4(*a), a->Count);
    }
    for (const auto& g : calc.TypeG) {
        if (g->Dof > 0)
            w = w + Contribution4(*g) / g->Dof;
        else
            w = w + PerSampleDof(Contribution4(*g), g->Count);
    }
    for (const auto& b : calc.TypeB)
        if (b->Dof > 0)
            w = w + Contribution4(*b) / b->Dof;
    for (const auto& n : calc.Nested)
        if (n->EffectiveDof > 0)
            w = w + FourthPower(n->Sensitivity * n->CombinedUncertainty) / n->EffectiveDof;
    if (w == 0)
        return DofLimit;
    return RoundDof(FourthPower(calc.CombinedUncertainty) / w);
}

int64_t RoundDof(double nu)
{
    if (!(nu >= 1))
        return 1;
    if (!(nu < DofLimit))
        return DofLimit;
    double whole = std::floor(nu);
    const double rest = nu - whole;
    if (rest > 0.5 || (rest == 0.5 && std::fmod(whole, 2) != 0))
        whole = whole + 1;
    return static_cast<int64_t>(whole);
}
