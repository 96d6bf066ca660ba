// Evaluation of a parsed formula, the power rule and the number conversion.
#include "formula/evaluator.h"
#include "formula/float_errors.h"
#include "formula/parser.h"
#include "formula_test_support.h"
#include "text/convert_error.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <functional>
#include <limits>
#include <numbers>
#include <string>
#include <vector>

namespace {

const TSymbols Symbols = {"a", "b", "c", "x"};
const TValues Values = {1.5, 3.0, 2.0, 0.5};

double Evaluate(const std::string& formula, const TSymbols& symbols = Symbols, const TValues& values = Values,
                char separator = '.')
{
    const TParseResult parsed = ParseFormula(formula, symbols);
    if (!parsed.Root)
        throw std::logic_error("«" + formula + "» does not parse: " + parsed.Error->Text);
    return EvaluateTree(*parsed.Root, symbols, values, separator);
}

enum class TFailure { ZeroDivide, InvalidOp, Overflow, Convert };

void ExpectFailure(const std::function<void()>& action, TFailure failure)
{
    switch (failure) {
    case TFailure::ZeroDivide:
        EXPECT_THROW(action(), EZeroDivide);
        break;
    case TFailure::InvalidOp:
        EXPECT_THROW(action(), EInvalidOp);
        break;
    case TFailure::Overflow:
        EXPECT_THROW(action(), EOverflow);
        break;
    case TFailure::Convert:
        EXPECT_THROW(action(), EConvertError);
        break;
    }
}

TEST(EvaluateTree, Values)
{
    struct TCase {
        std::string Formula;
        double Value;
    };
    const double pi = std::numbers::pi;
    const std::vector<TCase> cases = {
        {"a*2", 3.0},
        {"a-b-c", 1.5 - (3.0 - 2.0)},
        {"a-b+c", 1.5 - (3.0 + 2.0)},
        {"(a-b)+c", (1.5 - 3.0) + 2.0},
        {"a/b*c", 1.5 / (3.0 * 2.0)},
        {"a/b/c", 1.5 / (3.0 / 2.0)},
        {"c^2*b", 64.0},
        {"-a*b", -4.5},
        {"a*(-b)", -4.5},
        {"+a", 1.5},
        {"2^3", 8.0},
        {"2^0.5", std::exp(0.5 * std::log(2.0))},
        {"(0-8)^3", -512.0},
        {"(0-2)^(0-3)", -0.125},
        {"0^2", 0.0},
        {"0^0", 1.0},
        {"b^0", 1.0},
        {"2.5e-3*4", 0.01},
        {"1E+2", 100.0},
        {"cos(0)", 1.0},
        {"sin(x)", std::sin(0.5)},
        {"tg(x)", std::tan(0.5)},
        {"ctg(x)", 1.0 / std::tan(0.5)},
        {"acos(x)", std::acos(0.5)},
        {"asin(x)", std::asin(0.5)},
        {"atg(1)", pi / 4},
        {"actg(0)", pi / 2},
        {"actg(1e-17)", pi / 2},
        {"actg(1)", pi / 4},
        {"actg(0-1)", -pi / 4},
        {"exp(0)", 1.0},
        {"ln(exp(2))", std::log(std::exp(2.0))},
        {"log(1000)", 3.0},
        {"sqrt(b*3)", 3.0},
        {"exp(0-1000)", 0.0}, // underflow is not a failure
        {"asin(1)", pi / 2},
        {"acos(0-1)", pi},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE("formula «" + c.Formula + "»");
        EXPECT_DOUBLE_EQ(Evaluate(c.Formula), c.Value);
    }
}

TEST(EvaluateTree, Failures)
{
    struct TCase {
        std::string Formula;
        TFailure Failure;
    };
    const std::vector<TCase> cases = {
        {"(0-8)^0.5", TFailure::InvalidOp},
        {"ctg(0)", TFailure::ZeroDivide},
        {"ln(0)", TFailure::ZeroDivide},
        {"log(0)", TFailure::ZeroDivide},
        {"ln(0-1)", TFailure::InvalidOp},
        {"log(0-2)", TFailure::InvalidOp},
        {"sqrt(0-1)", TFailure::InvalidOp},
        {"asin(1.5)", TFailure::InvalidOp},
        {"acos(0-2)", TFailure::InvalidOp},
        {"a/0", TFailure::ZeroDivide},
        {"0/0", TFailure::InvalidOp},
        {"0^(0-1)", TFailure::ZeroDivide},
        {"0^(0-0.5)", TFailure::ZeroDivide},
        {"exp(1000)", TFailure::Overflow},
        {"10^400", TFailure::Overflow},
        {"1e+300*(1e+300)", TFailure::Overflow}, // see ParseFormula.ExponentSignIsAnAdditiveOperator
        {"1e+308+1e+308", TFailure::Overflow},
        {"2Е-3", TFailure::Convert}, // Cyrillic exponent letter
        {"2.5e-", TFailure::Convert},
        {"2,5", TFailure::Convert},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE("formula «" + c.Formula + "»");
        ExpectFailure([&] { Evaluate(c.Formula); }, c.Failure);
    }
}

TEST(EvaluateTree, DecimalSeparator)
{
    EXPECT_DOUBLE_EQ(Evaluate("2,5", Symbols, Values, ','), 2.5);
    EXPECT_THROW(Evaluate("2.5", Symbols, Values, ','), EConvertError);
    EXPECT_DOUBLE_EQ(Evaluate("2.5", Symbols, Values, '.'), 2.5);
    EXPECT_THROW(Evaluate("2,5", Symbols, Values, '.'), EConvertError);
    EXPECT_DOUBLE_EQ(Evaluate("2,5e+1*a", Symbols, Values, ','), 37.5);
}

TEST(EvaluateTree, VariableBeforeNumber)
{
    // A leaf whose text is both a number and a variable name is the variable; the first name wins.
    EXPECT_DOUBLE_EQ(Evaluate("2*3", {"2"}, {5.0}), 15.0);
    EXPECT_DOUBLE_EQ(Evaluate("v+1", {"v", "v"}, {1.0, 100.0}), 2.0);
}

TEST(EvaluateTree, SameTreeTwice)
{
    const TParseResult parsed = ParseFormula("a*b-c", Symbols);
    ASSERT_NE(parsed.Root, nullptr);
    const std::string before = TreeText(*parsed.Root);
    EXPECT_DOUBLE_EQ(EvaluateTree(*parsed.Root, Symbols, {2.0, 3.0, 1.0, 0.0}), 5.0);
    EXPECT_DOUBLE_EQ(EvaluateTree(*parsed.Root, Symbols, {4.0, 0.5, 3.0, 0.0}), -1.0);
    EXPECT_EQ(TreeText(*parsed.Root), before);
}

TEST(EvaluateTree, NonFiniteVariableValueIsRefused)
{
    EXPECT_THROW(Evaluate("a", {"a"}, {std::numeric_limits<double>::infinity()}), EOverflow);
    EXPECT_THROW(Evaluate("a", {"a"}, {std::numeric_limits<double>::quiet_NaN()}), EInvalidOp);
}

TEST(EvaluateTree, LongFlatSum)
{
    std::string formula = "a";
    for (int i = 1; i < 1000; ++i)
        formula += "+a";
    EXPECT_DOUBLE_EQ(Evaluate(formula, {"a"}, {0.5}), 500.0);
}

TEST(EvaluateTree, TreeNearTheDepthBound)
{
    // Right-nested sum and left-nested brackets just below MaxFormulaDepth: parsed, evaluated and
    // released without trouble.
    std::string sum = "a";
    for (int i = 1; i < 1999; ++i)
        sum += "+a";
    EXPECT_DOUBLE_EQ(Evaluate(sum, {"a"}, {1.0}), 1999.0);
    std::string nested = "a";
    for (int i = 1; i < 990; ++i)
        nested = "(" + nested + "-a)";
    EXPECT_DOUBLE_EQ(Evaluate(nested, {"a"}, {1.0}), -988.0);
}

double LiteralPower(double base, int count)
{
    double product = base;
    for (int i = 1; i < count; ++i)
        product *= base;
    return product;
}

TEST(PowerRule, Rules)
{
    EXPECT_EQ(PowerRule(0.0, 0.0), 1.0);
    EXPECT_EQ(PowerRule(-5.0, 0.0), 1.0);
    EXPECT_EQ(PowerRule(0.0, 2.5), 0.0);
    EXPECT_EQ(PowerRule(0.0, 3e9), 0.0);
    EXPECT_EQ(PowerRule(-2.0, 3.0), -8.0);
    EXPECT_EQ(PowerRule(2.0, -2.0), 0.25);
    EXPECT_EQ(PowerRule(2.0, 0.5), std::exp(0.5 * std::log(2.0)));
    EXPECT_THROW(PowerRule(-2.0, 0.5), EInvalidOp);
    EXPECT_THROW(PowerRule(0.0, -1.0), EZeroDivide);
    EXPECT_THROW(PowerRule(0.0, -0.5), EZeroDivide);
    EXPECT_THROW(PowerRule(-2.0, 2147483648.0), EInvalidOp); // whole but beyond the repeated product
    EXPECT_THROW(PowerRule(2.0, 2147483648.0), EOverflow);
    EXPECT_EQ(PowerRule(2.0, -1e308), 0.0);
    EXPECT_EQ(PowerRule(0.5, 2147483648.0), 0.0);
}

TEST(PowerRule, RepeatedMultiplicationIsBitIdentical)
{
    for (const double base : {1.1, -1.3, 0.7, 3.14159, -0.999, 1.0000001}) {
        for (const int count : {1, 2, 3, 7, 20, 101, 1000, 12345}) {
            SCOPED_TRACE(std::to_string(base) + "^" + std::to_string(count));
            const double product = LiteralPower(base, count);
            if (!std::isfinite(product))
                continue;
            EXPECT_EQ(PowerRule(base, count), product);
            if (std::isfinite(1.0 / product)) {
                EXPECT_EQ(PowerRule(base, -count), 1.0 / product);
            }
        }
    }
}

TEST(PowerRule, HugeWholeExponentsEndEarly)
{
    const double largest = 2147483647.0;
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(PowerRule(1.0, largest), 1.0);
    EXPECT_EQ(PowerRule(-1.0, largest), -1.0);
    EXPECT_EQ(PowerRule(-1.0, largest - 1), 1.0);
    EXPECT_EQ(PowerRule(-1.0, -largest), -1.0);
    EXPECT_EQ(PowerRule(0.5, largest), 0.0);              // the product underflows to 0 and stays there
    const double negativeZero = PowerRule(-0.5, largest); // sign still follows the parity
    EXPECT_EQ(negativeZero, 0.0);
    EXPECT_TRUE(std::signbit(negativeZero));
    EXPECT_FALSE(std::signbit(PowerRule(-0.5, largest - 1)));
    EXPECT_THROW(PowerRule(2.0, largest), EOverflow);   // intermediate infinity
    EXPECT_THROW(PowerRule(1.001, largest), EOverflow); // after about 700000 steps
    EXPECT_THROW(PowerRule(10.0, -400.0), EOverflow);   // the product overflows before the reciprocal
    EXPECT_THROW(PowerRule(0.1, -400.0), EZeroDivide);  // the product underflows to 0
    EXPECT_THROW(PowerRule(0.5, -largest), EZeroDivide);
    const auto elapsed = std::chrono::steady_clock::now() - start;
    EXPECT_LT(elapsed, std::chrono::seconds(2));
}

TEST(PowerRule, SlowWholeExponentStillEnds)
{
    // No shortcut applies: two thousand million multiplications, a few seconds at most.
    const double value = PowerRule(1.0000001, 2000000000.0);
    EXPECT_NEAR(value / std::exp(2000000000.0 * std::log(1.0000001)), 1.0, 1e-6);
}

TEST(ConvertNumberText, Table)
{
    struct TCase {
        std::string Text;
        char Separator;
        double Value;
    };
    const std::vector<TCase> accepted = {
        {"2.5", '.', 2.5},
        {"2,5", ',', 2.5},
        {"25", ',', 25.0},
        {"1e3", '.', 1000.0},
        {"1E+3", ',', 1000.0},
        {"2,5e-1", ',', 0.25},
        {"5.", '.', 5.0},
        {".5", '.', 0.5},
        {"-2.5", '.', -2.5},
        {"+7", '.', 7.0},
        {"5.e+3", '.', 5000.0},
        {"0e999999999999999", '.', 0.0},
        {"1e-400", '.', 0.0},
        {"0.1", '.', 0.1},
        {"123456789012345678901234567890", '.', 123456789012345678901234567890.0},
    };
    for (const TCase& c : accepted) {
        SCOPED_TRACE("text «" + c.Text + "» with '" + std::string(1, c.Separator) + "'");
        EXPECT_EQ(ConvertNumberText(c.Text, c.Separator), c.Value);
    }
    const std::vector<std::pair<std::string, char>> refused = {
        {"2.5", ','}, {"2,5", '.'}, {"2Е-3", '.'}, {"2е3", '.'},  {"2.5e-", '.'}, {"2.5e", '.'},  {"", '.'},
        {".", '.'},   {"e3", '.'},  {"-", '.'},    {" 1", '.'},   {"1 ", '.'},    {"1.2.3", '.'}, {"0x10", '.'},
        {"inf", '.'}, {"nan", '.'}, {"1e+", ','},  {"1,5,", ','}, {"++1", '.'},   {"1e--3", '.'}, {"\xFF", '.'},
    };
    for (const auto& [text, separator] : refused) {
        SCOPED_TRACE("text «" + text + "» with '" + std::string(1, separator) + "'");
        EXPECT_THROW(ConvertNumberText(text, separator), EConvertError);
    }
    EXPECT_THROW(ConvertNumberText("1e400", '.'), EOverflow);
    EXPECT_THROW(ConvertNumberText("1e99999999999999999999", '.'), EOverflow);
    EXPECT_THROW(ConvertNumberText("-1e400", '.'), EOverflow);
    EXPECT_TRUE(std::signbit(ConvertNumberText("-1e-400", '.')));
}

TEST(ConvertNumberText, MessageQuotesTheText)
{
    for (const bool ukrainian : {true, false}) {
        TLanguageGuard language(ukrainian);
        try {
            ConvertNumberText("2.5", ',');
            FAIL() << "no exception";
        }
        catch (const EConvertError& error) {
            EXPECT_EQ(std::string(error.what()), ukrainian ? "«2.5» — не є числом." : "«2.5» — не является числом.");
        }
    }
}

} // namespace
