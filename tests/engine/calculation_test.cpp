// Value, sensitivity coefficients and combined standard uncertainty of an evaluation tree.
#include "engine/calculation.h"
#include "evaluation_builder.h"
#include "text/language.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// «a*b» with a = 2 (u 0.1) and b = 3 (u 0.2): c_a = 3, c_b = 2, contributions 0.3 and 0.4.
class ProductOfTwo : public testing::Test {
protected:
    ProductOfTwo()
    {
        calc.OutputName = "y";
        calc.ModelFormula = "a*b";
        AddTypeA(calc, "a", 2, 0.1);
        AddTypeA(calc, "b", 3, 0.2);
    }
    TOrmetaCalc calc;
};

TEST_F(ProductOfTwo, ValueCoefficientsAndCombinedUncertainty)
{
    CalcEvaluation(calc);
    EXPECT_DOUBLE_EQ(calc.Value, 6);
    EXPECT_NEAR(calc.TypeA[0]->Sensitivity, 3, 1e-12);
    EXPECT_NEAR(calc.TypeA[1]->Sensitivity, 2, 1e-12);
    EXPECT_NEAR(calc.CombinedUncertainty, 0.5, 1e-12);
}

// Only R[i][j] with i < j counts, and only where the matrix has it: a matrix that does not fit its
// inputs (a nested evaluation from a damaged file) is read where it exists and nowhere else.
TEST_F(ProductOfTwo, ReadsTheCorrelationAboveTheDiagonalWhereItExists)
{
    const struct {
        const char* Name;
        TMatDouble R;
        double Uc;
    } cases[] = {
        {"none", {}, 0.5},
        {"full, upper element", {{1, 1}, {0, 1}}, 0.7},
        {"lower element only", {{1, 0}, {1, 1}}, 0.5},
        {"diagonal ignored", {{9, 0}, {0, 9}}, 0.5},
        {"one row", {{1, 1}}, 0.7},
        {"short rows", {{1}, {1, 1}}, 0.5},
        {"negative", {{1, -1}, {-1, 1}}, 0.1},
    };
    for (const auto& c : cases) {
        calc.Correlation = c.R;
        CalcEvaluation(calc);
        EXPECT_NEAR(calc.CombinedUncertainty, c.Uc, 1e-12) << c.Name;
    }
}

// The pair terms are added group by group (all Type A pairs before Type A with Type B), which
// decides the rounding when terms cancel: here the group order leaves V = 2, row by row 0.
TEST(CombinedVariance, AddsThePairTermsGroupByGroup)
{
    TOrmetaCalc calc;
    calc.ModelFormula = "a1+a2+a3+b";
    AddTypeA(calc, "a1", 0, 1);
    AddTypeA(calc, "a2", 0, 0.5);
    AddTypeA(calc, "a3", 0, 0.5);
    AddTypeB(calc, "b", 0, 0.5, DistNormal);
    calc.Correlation.assign(4, TArrDouble(4, 0));
    calc.Correlation[1][2] = -std::ldexp(1, 55); // Type A with Type A: 2 * 0.5 * 0.5 * R = -2^54
    calc.Correlation[0][3] = std::ldexp(1, 54);  // Type A with Type B: 2 * 1 * 0.5 * R = 2^54
    CalcEvaluation(calc);
    EXPECT_DOUBLE_EQ(calc.CombinedUncertainty, std::sqrt(2.0));
}

TEST(CalcEvaluation, FormulaGroupsAsTheParserSplitsIt)
{
    const struct {
        const char* Formula;
        double Value;
    } cases[] = {{"a-b+c", 10 - (3 + 2)}, {"(a-b)+c", (10 - 3) + 2}, {"a*b-", 30}};
    for (const auto& c : cases) {
        TOrmetaCalc calc;
        calc.ModelFormula = c.Formula;
        AddTypeA(calc, "a", 10, 0.1);
        AddTypeA(calc, "b", 3, 0.1);
        AddTypeA(calc, "c", 2, 0.1);
        CalcEvaluation(calc);
        EXPECT_DOUBLE_EQ(calc.Value, c.Value) << c.Formula;
    }
}

class FormulaErrors : public testing::TestWithParam<bool> {
protected:
    void SetUp() override { IsUkrainian = GetParam(); }
    void TearDown() override { IsUkrainian = true; }
};

// Positions count in the formula as typed, even though it was parsed between "0+" and "+0".
TEST_P(FormulaErrors, ReportThePositionInTheTypedFormula)
{
    const struct {
        const char* Formula;
        int32_t Position;
    } cases[] = {{"   ", 3}, {"", 0}, {"a*(b", 6}, {"a*q", 3}};
    const std::string head = IsUkrainian ? "Помилка в формулі(або змінних) моделі на позиції "
                                         : "Ошибка в формуле(или переменных) на позиции ";
    const std::string tail = IsUkrainian ? ". Обчислення не можливе." : ". Вычисление невозможно.";
    for (const auto& c : cases) {
        TOrmetaCalc calc;
        calc.ModelFormula = c.Formula;
        AddTypeA(calc, "a", 2, 0.1);
        AddTypeA(calc, "b", 3, 0.2);
        try {
            CalcEvaluation(calc);
            ADD_FAILURE() << "no error for «" << c.Formula << "»";
        } catch (const EFormula& e) {
            EXPECT_EQ(e.Position, c.Position) << c.Formula;
            const std::string start = head + std::to_string(c.Position) + ". ";
            EXPECT_EQ(e.Text.substr(0, start.size()), start) << e.Text;
            ASSERT_GT(e.Text.size(), start.size() + tail.size()) << e.Text;
            EXPECT_EQ(e.Text.substr(e.Text.size() - tail.size()), tail) << e.Text;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(BothLanguages, FormulaErrors, testing::Values(true, false));

// y = 2*x where x = a + b is a nested evaluation: a = 2 (u 0.3), b = 3 (u 0.4).
class NestedSum : public testing::Test {
protected:
    NestedSum()
    {
        parent.OutputName = "y";
        parent.ModelFormula = "2*x";
        TOrmetaCalc& x = AddNestedCalc(parent, "x", "a+b");
        AddTypeA(x, "a", 2, 0.3);
        AddTypeA(x, "b", 3, 0.4);
    }
    TOrmetaCalc& Nested() { return *parent.Nested[0]; }
    TOrmetaCalc parent;
};

TEST_F(NestedSum, NestedEvaluationIsCalculatedFirstAndSeenAsAVariable)
{
    CalcEvaluation(parent);
    EXPECT_DOUBLE_EQ(Nested().Value, 5);
    EXPECT_NEAR(Nested().CombinedUncertainty, 0.5, 1e-12);
    EXPECT_DOUBLE_EQ(parent.Value, 10);
    EXPECT_NEAR(Nested().Sensitivity, 2, 1e-12);
    EXPECT_NEAR(parent.CombinedUncertainty, 1, 1e-12);
}

TEST_F(NestedSum, NestedResultsStayWhenTheParentFormulaFails)
{
    parent.ModelFormula = "2*";
    parent.Value = -1;
    EXPECT_THROW(CalcEvaluation(parent), EFormula);
    EXPECT_DOUBLE_EQ(Nested().Value, 5);
    EXPECT_DOUBLE_EQ(parent.Value, -1);
}

// A level outside (0, 1) anywhere in the tree is an error that names its evaluation; nothing of the
// parent is calculated.
TEST_F(NestedSum, RefusesALevelOutsideZeroToOneAnywhereInTheTree)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    for (TOrmetaCalc* bad : {&parent, &Nested()}) {
        for (double level : {1.0, 0.0, -0.2, 1.5, nan}) {
            parent.ConfidenceLevel = 0.95;
            Nested().ConfidenceLevel = 0.95;
            bad->ConfidenceLevel = level;
            parent.CombinedUncertainty = -1;
            try {
                CalcEvaluation(parent);
                ADD_FAILURE() << "level " << level << " accepted in " << bad->OutputName;
            } catch (const ECalculation& e) {
                EXPECT_NE(std::string(e.what()).find("«" + bad->OutputName + "»"), std::string::npos) << e.what();
            }
            EXPECT_DOUBLE_EQ(parent.CombinedUncertainty, -1);
        }
    }
}

// An exact constant or identical observations: the coefficient comes from a small fallback step
// and the contribution is 0.
TEST(CalcEvaluation, InputsWithZeroUncertaintyContributeNothing)
{
    for (double k : {3.0, 0.0, -1e6}) {
        TOrmetaCalc calc;
        calc.ModelFormula = "a*k";
        calc.CoverageMethod = MethodStudent;
        AddTypeA(calc, "a", 2, 0.1);
        AddTypeA(calc, "k", k, 0);
        CalcEvaluation(calc);
        EXPECT_NEAR(calc.TypeA[1]->Sensitivity, 2, 1e-6) << k;
        EXPECT_NEAR(calc.CombinedUncertainty, 0.1 * std::abs(k), 1e-9 * std::max(1.0, std::abs(k))) << k;
    }
}

} // namespace
