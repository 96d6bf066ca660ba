#include "model/input_uncertainty.h"
#include "formula/float_errors.h"
#include "text/convert_error.h"
#include "tree_fixture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

TEST(TypeA, ModesFollowTheStandardDeviationArgument)
{
    struct Case {
        const char* what;
        double sd;
        double value, u;
        bool prior, normalized;
    } cases[] = {
        {"experimental", 0, 2, std::sqrt(2.0 / 6), false, false},
        {"at the threshold stays experimental", 1e-20, 2, std::sqrt(2.0 / 6), false, false},
        {"previously evaluated", 0.3, 2, 0.3 / std::sqrt(3.0), true, false},
        {"normalised", -1, 0, std::sqrt(2.0 / 6), false, true},
        {"negative but not -1 is experimental", -0.5, 2, std::sqrt(2.0 / 6), false, false},
    };
    for (const auto& c : cases) {
        const auto a = CreateTypeA("V", "", "x", 3, {1, 2, 3}, c.sd, 0);
        EXPECT_DOUBLE_EQ(a->Value, c.value) << c.what;
        EXPECT_NEAR(a->StdUncertainty, c.u, 1e-12) << c.what;
        EXPECT_EQ(a->HasPriorSD, c.prior) << c.what;
        EXPECT_EQ(a->PriorSD, c.prior ? c.sd : 0.0) << c.what;
        EXPECT_EQ(a->Normalized, c.normalized) << c.what;
    }
}

TEST(TypeA, OneObservationNeedsAPriorStandardDeviation)
{
    EXPECT_THROW(CreateTypeA("", "", "x", 1, {5}, 0, 0), EInvalidOp);
    EXPECT_THROW(CreateTypeA("", "", "x", 1, {5}, -1, 0), EInvalidOp);
    const auto prior = CreateTypeA("", "", "x", 1, {5}, 0.2, 9);
    EXPECT_DOUBLE_EQ(prior->StdUncertainty, 0.2);
    EXPECT_EQ(prior->Dof, 9);
}

TEST(TypeA, IdenticalObservationsGiveZeroUncertainty)
{
    EXPECT_EQ(CreateTypeA("", "", "x", 3, {4, 4, 4}, 0, 0)->StdUncertainty, 0);
}

TEST(TypeB, DistributionsInBothIntervalForms)
{
    struct Case {
        const char* what;
        uint8_t code;
        std::array<double, 3> params;
        bool halfWidth;
        double value, u;
    } cases[] = {
        {"uniform bounds", DistUniform, {9.9, 10.1, 0}, false, 10, 0.2 / (2 * std::sqrt(3.0))},
        {"uniform centre", DistUniform, {10, 0.1, 0}, true, 10, 0.1 / std::sqrt(3.0)},
        {"triangular centre", DistTriangular, {0, 0.6, 0}, true, 0, 0.6 / std::sqrt(6.0)},
        {"triangular bounds", DistTriangular, {1, -1, 0}, false, 0, 2 / (2 * std::sqrt(6.0))},
        // The arcsine distribution of amplitude A has variance A^2/2.
        {"U-shaped", DistUShaped, {0.3, 0, 0}, false, 0, 0.3 / std::sqrt(2.0)},
        {"trapezoidal", DistTrapezoidal, {5, 0.3, 0.1}, false, 5, std::sqrt((0.09 + 0.01) / 3)},
        {"normal bounds 0.9545", DistNormal, {0.9545, 1, 3}, false, 2, 2 / (2 * 2.00001)},
        {"normal bounds 0.95", DistNormal, {0.95, 1, 3}, false, 2, 1 / 1.95997},
        {"normal centre", DistNormal, {0.95, 2, 1}, true, 2, 1 / 1.95997},
        {"no distribution", DistNone, {1, 2, 3}, false, 0, 0},
        {"unknown code", 9, {1, 2, 3}, false, 0, 0},
    };
    for (const auto& c : cases) {
        const auto b = CreateTypeB("V", "", "x", c.code, c.params, c.halfWidth, 0);
        EXPECT_NEAR(b->Value, c.value, 1e-12) << c.what;
        EXPECT_NEAR(b->StdUncertainty, c.u, 1e-6) << c.what;
    }
    EXPECT_NEAR(CreateTypeB("", "", "x", DistUShaped, {0.3, 0, 0}, false, 0)->StdUncertainty, 0.212132, 1e-6);
}

TEST(TypeB, StoresOnlyTheParametersItsDistributionUses)
{
    const auto u = CreateTypeB("", "", "x", DistUniform, {1, 2, 3}, false, 0);
    EXPECT_EQ(u->ParamA, 1);
    EXPECT_EQ(u->ParamB, 2);
    EXPECT_EQ(u->ParamP, 0);
    const auto shaped = CreateTypeB("", "", "x", DistUShaped, {1, 2, 3}, false, 0);
    EXPECT_EQ(shaped->ParamP, 1);
    EXPECT_EQ(shaped->ParamA, 0);
    const auto none = CreateTypeB("", "", "x", DistNone, {1, 2, 3}, false, 0);
    EXPECT_EQ(none->ParamA + none->ParamB + none->ParamP, 0);
}

TEST(TypeB, DegenerateTrapezoidFails)
{
    EXPECT_THROW(CreateTypeB("", "", "x", DistTrapezoidal, {5, 0, 0}, false, 0), EInvalidOp);
}

TEST(NormalIntervalFactor, IsTheFirstStepWhoseSumReachesTheProbability)
{
    EXPECT_NEAR(NormalIntervalFactor(0.95), 1.95997, 5e-10);
    EXPECT_NEAR(NormalIntervalFactor(0.9545), 2.00001, 5e-10);
    EXPECT_NEAR(NormalIntervalFactor(0.99), 2.57583, 5e-10);
}

TEST(NormalIntervalFactor, RefusesProbabilitiesTheSumNeverReaches)
{
    for (double p : {1.0, 1.5, std::numeric_limits<double>::quiet_NaN()})
        EXPECT_THROW(NormalIntervalFactor(p), EConvertError) << p;
}

TEST(Calibration, ExactLineHasNoUncertainty)
{
    const auto g = CreateTypeG("", "x", "", {{1, 2, 3}, {1, 2, 3}}, {2}, false, 7);
    EXPECT_NEAR(g->Intercept, 0, 1e-12);
    EXPECT_NEAR(g->Slope, 1, 1e-12);
    EXPECT_EQ(g->StdUncertainty, 0);
    EXPECT_EQ(g->Dof, 0);
    EXPECT_EQ(g->Repeats, 1);
    EXPECT_EQ(g->Standards, 3);
}

TEST(Calibration, TwoRepeatsStraightLine)
{
    const auto g = MakeCalibration("x");
    EXPECT_NEAR(g->Intercept, 0.033333, 1e-6);
    EXPECT_NEAR(g->Slope, 0.9875, 1e-12);
    EXPECT_EQ(g->Curvature, 0);
    EXPECT_DOUBLE_EQ(g->Value, 2.05);
    EXPECT_NEAR(g->StdUncertainty, 0.078975, 1e-6);
    EXPECT_EQ(g->Dof, 1);
}

TEST(Calibration, DofIsAlwaysMeasurementsLessOne)
{
    const TMatDouble data{{1, 2, 3}, {1.1, 1.9, 3.05}, {0.95, 2.1, 2.95}};
    EXPECT_EQ(CreateTypeG("", "x", "", data, {1, 2, 3, 4, 5}, false, 7)->Dof, 4);
}

TEST(Calibration, QuadraticRecoversAParabola)
{
    // y = 1 + 2x + 0.5x^2 at five standards, two identical repeats.
    TMatDouble data(3, TArrDouble{});
    for (double x : {0.0, 1.0, 2.0, 3.0, 4.0}) {
        data[0].push_back(x);
        data[1].push_back(1 + 2 * x + 0.5 * x * x);
        data[2].push_back(1 + 2 * x + 0.5 * x * x);
    }
    const auto g = CreateTypeG("", "x", "", data, {3}, true, 0);
    EXPECT_NEAR(g->Intercept, 1, 1e-9);
    EXPECT_NEAR(g->Slope, 2, 1e-9);
    EXPECT_NEAR(g->Curvature, 0.5, 1e-9);
    EXPECT_TRUE(g->IsQuadratic);
}

TEST(Calibration, DegenerateDataFailsWithAnArithmeticError)
{
    // All standards alike: the line's pivot is zero and Sxx is zero.
    EXPECT_THROW(CreateTypeG("", "x", "", {{2, 2, 2}, {1, 2, 3}}, {2}, false, 0), EMathError);
    // Two points leave no degrees of freedom for the residual spread.
    EXPECT_THROW(CreateTypeG("", "x", "", {{1, 2}, {1, 2}}, {2}, false, 0), EMathError);
    EXPECT_THROW(CreateTypeG("", "x", "", {{1, 2, 3}, {1, 2}}, {2}, false, 0), EConvertError) << "ragged rows";
}

TEST(Fits, LineWithAZeroPivotFailsWhileTheQuadraticGoesOn)
{
    EXPECT_THROW(FitLine({0, 0, 0}, {1, 2, 3}), EMathError);
    EXPECT_NO_THROW(FitQuadratic({2, 2, 2}, {1, 2, 3})) << "the quadratic divides by the pivot floor";
}
