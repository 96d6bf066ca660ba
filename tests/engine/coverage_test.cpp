// The coverage step: the methods, the automatic choice and the effective degrees of freedom.
#include "engine/calculation.h"
#include "engine/coverage.h"
#include "engine/effective_dof.h"
#include "evaluation_builder.h"
#include "formula/float_errors.h"
#include "text/language.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <numbers>

namespace {

// Results that a failed coverage step must leave alone.
constexpr double StaleFactor = -7;
constexpr int32_t StaleDof = 77;

TOrmetaCalc Evaluation(const std::string& formula, uint8_t method, double level = 0.9545)
{
    TOrmetaCalc calc;
    calc.ModelFormula = formula;
    calc.CoverageMethod = method;
    calc.ConfidenceLevel = level;
    calc.CoverageFactor = StaleFactor;
    calc.EffectiveDof = StaleDof;
    return calc;
}

TEST(Coverage, NormalAndUniformMethods)
{
    TOrmetaCalc calc = Evaluation("2*a", MethodNormal);
    AddTypeA(calc, "a", 1, 0.1);
    CalcEvaluation(calc);
    EXPECT_NEAR(calc.CoverageFactor, 2.0001, 1e-9);
    EXPECT_EQ(calc.EffectiveDof, 0);
    EXPECT_EQ(calc.CoverageMethod, MethodNormal);

    calc.CoverageMethod = MethodUniform;
    calc.EffectiveDof = StaleDof;
    CalcEvaluation(calc);
    EXPECT_DOUBLE_EQ(calc.CoverageFactor, 0.9545 * std::sqrt(3.0));
    EXPECT_EQ(calc.EffectiveDof, 0);
    EXPECT_EQ(calc.CoverageMethod, MethodUniform);
}

// Welch-Satterthwaite weighs each input by its contribution c u to the output: with «2*a» the
// coefficient cancels, and one Type A input of 5 observations gives nu = 4.
TEST(Coverage, StudentUsesTheContributionsToTheOutput)
{
    TOrmetaCalc calc = Evaluation("2*a", MethodStudent);
    AddTypeA(calc, "a", 1, 0.1, 5);
    CalcEvaluation(calc);
    EXPECT_EQ(calc.EffectiveDof, 4);
    EXPECT_DOUBLE_EQ(calc.CoverageFactor, CoverageQuantile(4, 0.9545));
    EXPECT_EQ(calc.CoverageMethod, MethodStudent);
}

TEST(Coverage, StudentDegreesOfFreedomOfEachKindOfInput)
{
    // «a+b+g»: the contributions are 0.3, 0.4 and 0.5, u_c^4 = 0.25.
    const struct {
        const char* Name;
        std::function<void(TOrmetaCalc&)> Setup;
        int32_t Dof;
    } cases[] = {
        {"given dof everywhere",
         [](TOrmetaCalc& c) {
             AddTypeA(c, "a", 1, 0.3).Dof = 3;
             AddTypeB(c, "b", 1, 0.4, DistNormal, 5);
             AddTypeG(c, "g", 1, 0.5, 20).Dof = 2;
         },
         6}, // 0.25 / (0.3^4/3 + 0.4^4/5 + 0.5^4/2) = 6.4
        {"prior SD and Type B without dof are infinite",
         [](TOrmetaCalc& c) {
             AddTypeA(c, "a", 1, 0.3).HasPriorSD = true;
             AddTypeB(c, "b", 1, 0.4, DistUniform);
             AddTypeG(c, "g", 1, 0.5, 5);
         },
         16}, // 0.25 / (0.5^4 / 4)
        {"every input infinite",
         [](TOrmetaCalc& c) {
             AddTypeA(c, "a", 1, 0.3).HasPriorSD = true;
             AddTypeB(c, "b", 1, 0.4, DistNormal);
             AddTypeB(c, "g", 1, 0.5, DistNormal);
         },
         0},
    };
    for (const auto& c : cases) {
        TOrmetaCalc calc = Evaluation("a+b+g", MethodStudent);
        c.Setup(calc);
        CalcEvaluation(calc);
        EXPECT_EQ(calc.EffectiveDof, c.Dof) << c.Name;
        EXPECT_DOUBLE_EQ(calc.CoverageFactor, CoverageQuantile(c.Dof == 0 ? DofLimit : c.Dof, 0.9545)) << c.Name;
    }
}

TEST(Coverage, NestedEvaluationsBringTheirEffectiveDegreesOfFreedom)
{
    TOrmetaCalc calc = Evaluation("3*x", MethodStudent);
    TOrmetaCalc& x = AddNestedCalc(calc, "x", "a");
    x.CoverageMethod = MethodStudent;
    AddTypeA(x, "a", 1, 0.2, 6);
    CalcEvaluation(calc);
    EXPECT_EQ(x.EffectiveDof, 5);
    EXPECT_EQ(calc.EffectiveDof, 5);
}

TEST(RoundDof, NearestHalvesToEvenAtLeastOne)
{
    const double inf = std::numeric_limits<double>::infinity();
    const struct {
        double Nu;
        int64_t Rounded;
    } cases[] = {{2.5, 2},     {3.5, 4},       {3.49, 3},       {0.3, 1},   {0, 1},     {-5, 1},
                 {341.4, 341}, {341.5, DofLimit}, {1e300, DofLimit}, {inf, DofLimit}, {16.75, 17}};
    for (const auto& c : cases)
        EXPECT_EQ(RoundDof(c.Nu), c.Rounded) << c.Nu;
}

TEST(Coverage, AutomaticChoice)
{
    const struct {
        const char* Name;
        const char* Formula;
        std::function<void(TOrmetaCalc&)> Setup;
        uint8_t Method;
    } cases[] = {
        {"a dominant uniform input", "b+a",
         [](TOrmetaCalc& c) {
             AddTypeB(c, "b", 0, 1, DistUniform);
             AddTypeA(c, "a", 0, 0.3, 20);
         },
         MethodUniform},
        {"a uniform input not dominant enough", "b+a",
         [](TOrmetaCalc& c) {
             AddTypeB(c, "b", 0, 1, DistUniform);
             AddTypeA(c, "a", 0, 0.4, 5);
         },
         MethodStudent},
        {"small samples only", "a1+a2",
         [](TOrmetaCalc& c) {
             AddTypeA(c, "a1", 0, 0.3, 5);
             AddTypeA(c, "a2", 0, 0.3, 5);
         },
         MethodStudent},
        {"two normal Type B against a large sample", "b1+b2+a",
         [](TOrmetaCalc& c) {
             AddTypeB(c, "b1", 0, 0.3, DistNormal);
             AddTypeB(c, "b2", 0, 0.3, DistNormal);
             AddTypeA(c, "a", 0, 0.3, 20);
         },
         MethodNormal},
        {"small calibration samples count too", "b1+b2+g1+g2",
         [](TOrmetaCalc& c) {
             AddTypeB(c, "b1", 0, 0.3, DistNormal);
             AddTypeB(c, "b2", 0, 0.3, DistNormal);
             AddTypeG(c, "g1", 0, 0.3, 5);
             AddTypeG(c, "g2", 0, 0.3, 5);
         },
         MethodStudent},
        {"a triangular Type B is neither", "b+a",
         [](TOrmetaCalc& c) {
             AddTypeB(c, "b", 0, 0.3, DistTriangular);
             AddTypeA(c, "a", 0, 0.3, 20);
         },
         MethodStudent},
        {"a nested evaluation of normal output counts", "x+a",
         [](TOrmetaCalc& c) {
             TOrmetaCalc& x = AddNestedCalc(c, "x", "n");
             x.CoverageMethod = MethodNormal;
             AddTypeB(x, "n", 0, 0.3, DistNormal);
             AddTypeA(c, "a", 0, 0.3, 20);
         },
         MethodNormal},
        {"a dominant nested evaluation of uniform output", "x+a",
         [](TOrmetaCalc& c) {
             TOrmetaCalc& x = AddNestedCalc(c, "x", "r");
             x.CoverageMethod = MethodUniform;
             AddTypeB(x, "r", 0, 1, DistUniform);
             AddTypeA(c, "a", 0, 0.1, 5);
         },
         MethodUniform},
    };
    for (const auto& c : cases) {
        TOrmetaCalc calc = Evaluation(c.Formula, MethodAutomatic);
        c.Setup(calc);
        CalcEvaluation(calc);
        EXPECT_EQ(calc.CoverageMethod, c.Method) << c.Name;
    }
}

// Failures of the coverage step leave the previous results in place.
void ExpectFailureLeavesResults(TOrmetaCalc& calc, uint8_t method)
{
    EXPECT_DOUBLE_EQ(calc.CoverageFactor, StaleFactor);
    EXPECT_EQ(calc.EffectiveDof, StaleDof);
    EXPECT_EQ(calc.CoverageMethod, method);
}

TEST(Coverage, CalibrationSampleOfOneDividesByZero)
{
    TOrmetaCalc calc = Evaluation("g", MethodStudent);
    AddTypeG(calc, "g", 1, 0.3, 1);
    EXPECT_THROW(CalcEvaluation(calc), EZeroDivide);
    ExpectFailureLeavesResults(calc, MethodStudent);
}

TEST(Coverage, UnknownMethodIsAnError)
{
    TOrmetaCalc calc = Evaluation("a", 3);
    AddTypeA(calc, "a", 1, 0.3);
    EXPECT_THROW(CalcEvaluation(calc), ECalculation);
    ExpectFailureLeavesResults(calc, 3);
}

// Above MaxStudentLevel the Student integration is refused; with infinite degrees of freedom the
// normal quantile still serves.
TEST(Coverage, StudentLevelLimit)
{
    const double level = 0.99995;
    TOrmetaCalc calc = Evaluation("a", MethodStudent, level);
    AddTypeA(calc, "a", 1, 0.3);
    EXPECT_THROW(CalcEvaluation(calc), ECalculation);
    ExpectFailureLeavesResults(calc, MethodStudent);

    calc.TypeA[0]->HasPriorSD = true;
    CalcEvaluation(calc);
    EXPECT_EQ(calc.EffectiveDof, 0);
    EXPECT_DOUBLE_EQ(calc.CoverageFactor, CoverageQuantile(DofLimit, level));
}

TEST(Coverage, FailureMessagesNameTheEvaluationInEitherLanguage)
{
    for (bool ukrainian : {true, false}) {
        IsUkrainian = ukrainian;
        TOrmetaCalc calc = Evaluation("a", MethodStudent, 0.99995);
        calc.OutputName = "Rx";
        AddTypeA(calc, "a", 1, 0.3);
        try {
            CalcEvaluation(calc);
            ADD_FAILURE() << "no error";
        } catch (const ECalculation& e) {
            const std::string text = e.what();
            EXPECT_EQ(text.rfind(ukrainian ? "Оцінювання «Rx»: " : "Оценивание «Rx»: ", 0), 0u) << text;
        }
    }
    IsUkrainian = true;
}

} // namespace
