// Worked examples of JCGM 100:2008 (GUM), Annex H, computed through the whole engine and held
// against the published figures at their printed rounding.
#include "engine/calculation.h"
#include "evaluation_builder.h"
#include "model/constructors.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// H.1, end-gauge calibration, in nanometres: l = l_s + d - l_s (δα θ + α_s δθ). The comparator
// difference d is a nested evaluation of its three components (GUM: u(d) = 9.7 nm, ν = 25.6).
TEST(GumExamples, EndGaugeCalibration)
{
    TOrmetaCalc l;
    l.OutputName = "l";
    l.ModelFormula = "ls+d-ls*(da*th+as*dth)";
    l.CoverageMethod = MethodStudent;
    l.ConfidenceLevel = 0.95;
    AddTypeB(l, "ls", 50000623, 25, DistNormal, 18);
    AddTypeB(l, "as", 11.5e-6, 2e-6 / std::sqrt(3.0), DistUniform);
    AddTypeB(l, "th", -0.1, 0.41, DistNormal);
    AddTypeB(l, "da", 0, 1e-6 / std::sqrt(3.0), DistUniform, 50);
    AddTypeB(l, "dth", 0, 0.05 / std::sqrt(3.0), DistUniform, 2);
    TOrmetaCalc& d = AddNestedCalc(l, "d", "d1+d2+d3");
    d.CoverageMethod = MethodStudent;
    AddTypeB(d, "d1", 215, 5.8, DistNormal, 24);
    AddTypeB(d, "d2", 0, 3.9, DistNormal, 5);
    AddTypeB(d, "d3", 0, 6.7, DistNormal, 8);

    CalcEvaluation(l);

    EXPECT_NEAR(d.CombinedUncertainty, 9.7, 0.05);
    EXPECT_EQ(d.EffectiveDof, 25); // 25.4 from the unrounded u(d)
    EXPECT_NEAR(l.Value, 50000838, 0.5);
    EXPECT_NEAR(l.CombinedUncertainty, 32, 0.5);
    // 16.75: the GUM prints 16.7 and truncates to 16 (k = 2.12); rounded to the nearest it is 17.
    EXPECT_EQ(l.EffectiveDof, 17);
    EXPECT_NEAR(l.CoverageFactor, 2.11, 0.005);
    EXPECT_NEAR(l.CoverageFactor * l.CombinedUncertainty, 67, 0.5);
}

double Mean(const TArrDouble& x)
{
    double sum = 0;
    for (double v : x)
        sum += v;
    return sum / x.size();
}

double Correlation(const TArrDouble& x, const TArrDouble& y)
{
    const double mx = Mean(x);
    const double my = Mean(y);
    double sxy = 0;
    double sxx = 0;
    double syy = 0;
    for (size_t i = 0; i < x.size(); ++i) {
        sxy += (x[i] - mx) * (y[i] - my);
        sxx += (x[i] - mx) * (x[i] - mx);
        syy += (y[i] - my) * (y[i] - my);
    }
    return sxy / std::sqrt(sxx * syy);
}

// H.2, simultaneous measurement of resistance and impedance from five sets of V, I and φ, with the
// correlations of the observations. The formula language splits «V/I*cos(phi)» as V/(I*cos(phi)),
// hence the brackets.
TEST(GumExamples, ResistanceAndImpedanceFromCorrelatedObservations)
{
    const TArrDouble volts{5.007, 4.994, 5.005, 4.990, 4.999};
    const TArrDouble amperes{19.663e-3, 19.639e-3, 19.640e-3, 19.685e-3, 19.678e-3};
    const TArrDouble radians{1.0456, 1.0438, 1.0468, 1.0428, 1.0433};
    const TArrDouble* observations[] = {&volts, &amperes, &radians};
    const struct {
        const char* Formula;
        double Value;
        double Uc; // negative: not checked
    } cases[] = {{"(V/I)*cos(phi)", 127.732, 0.071}, {"(V/I)*sin(phi)", 219.847, -1}, {"V/I", 254.260, 0.236}};
    for (const auto& c : cases) {
        TOrmetaCalc calc;
        calc.ModelFormula = c.Formula;
        const char* names[] = {"V", "I", "phi"};
        for (int i = 0; i < 3; ++i)
            calc.TypeA.push_back(CreateTypeA("", "", names[i], 5, *observations[i], 0, 0));
        calc.Correlation.assign(3, TArrDouble(3, 1));
        for (int i = 0; i < 3; ++i)
            for (int j = 0; j < 3; ++j)
                if (i != j)
                    calc.Correlation[i][j] = Correlation(*observations[i], *observations[j]);

        CalcEvaluation(calc);

        EXPECT_NEAR(calc.Value, c.Value, 0.0005) << c.Formula;
        if (c.Uc > 0) {
            EXPECT_NEAR(calc.CombinedUncertainty, c.Uc, 0.0005) << c.Formula;
        }
    }
}

} // namespace
