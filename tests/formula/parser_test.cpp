// The splitting parser, its error positions and messages.
#include "formula/parser.h"
#include "formula/parser_limits.h"
#include "formula_test_support.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

const TSymbols CommonSymbols = {"a", "b", "c", "d", "x", "y"};

struct TTreeCase {
    std::string Formula;
    TSymbols Symbols;
    std::string Tree;
};

struct TErrorCase {
    std::string Formula;
    TSymbols Symbols;
    TMessagePair Message;
    int32_t Pos;
};

void ExpectNoPositions(const TNode& node)
{
    EXPECT_EQ(node.Pos, 0) << node.Text;
    if (node.Left)
        ExpectNoPositions(*node.Left);
    if (node.Right)
        ExpectNoPositions(*node.Right);
}

void CheckTrees(const std::vector<TTreeCase>& cases)
{
    TLanguageGuard language(true);
    for (const TTreeCase& c : cases) {
        SCOPED_TRACE("formula «" + c.Formula + "»");
        const TParseResult result = ParseFormula(c.Formula, c.Symbols);
        ASSERT_FALSE(result.Error.has_value()) << result.Error->Text << " at " << result.Error->Pos;
        ASSERT_NE(result.Root, nullptr);
        EXPECT_EQ(TreeText(*result.Root), c.Tree);
        ExpectNoPositions(*result.Root);
    }
}

void CheckErrors(const std::vector<TErrorCase>& cases)
{
    for (const bool ukrainian : {true, false}) {
        TLanguageGuard language(ukrainian);
        for (const TErrorCase& c : cases) {
            SCOPED_TRACE("formula «" + c.Formula + "»" + (ukrainian ? " (uk)" : " (ru)"));
            const TParseResult result = ParseFormula(c.Formula, c.Symbols);
            EXPECT_EQ(result.Root, nullptr) << TreeText(*result.Root);
            ASSERT_TRUE(result.Error.has_value());
            EXPECT_EQ(result.Error->Text, ukrainian ? c.Message.Ukrainian : c.Message.Russian);
            EXPECT_EQ(result.Error->Pos, c.Pos);
        }
    }
}

TEST(ParseFormula, EdgeCaseErrors)
{
    CheckErrors({
        {"", CommonSymbols, NoOperands, 0},
        {"(a+b", CommonSymbols, TooFewClosing, 4},
        {"a*b)+c", CommonSymbols, TooFewOpening, 6},
        {"(a)b", CommonSymbols, MissingOperator, 4},
        {"x+", CommonSymbols, NoOperands, 2},
        {"2*", CommonSymbols, NoOperands, 2},
        {"-", CommonSymbols, NoOperands, 1},
        {"   ", CommonSymbols, UnknownName, 3},
        {"5.", CommonSymbols, FractionMissing, 2},
        {"5,", CommonSymbols, FractionMissing, 2},
        {"2e5", CommonSymbols, MissingOperator, 2},
        {"sin x", CommonSymbols, UnknownName, 5},
        {"+(a", CommonSymbols, TooFewClosing, 3},
        {"2a", CommonSymbols, MissingOperator, 2},
        {"2(a)", CommonSymbols, MissingOperator, 2},
        {"a*-b", CommonSymbols, NoOperands, 2},
        {"d + t", {"d", "t"}, UnknownName, 3},
    });
}

TEST(ParseFormula, MoreErrorPositions)
{
    CheckErrors({
        {"(", CommonSymbols, TooFewClosing, 1},
        {"()", CommonSymbols, NoOperands, 1},
        {"a+()", CommonSymbols, NoOperands, 3},
        {"((a)", CommonSymbols, TooFewClosing, 4},
        {"(a))", CommonSymbols, MissingOperator, 4},
        {"(a)*b)", CommonSymbols, TooFewOpening, 6},
        {"(a)*(b", CommonSymbols, TooFewClosing, 6},
        {"-(a", CommonSymbols, TooFewClosing, 3},
        {"-a)", CommonSymbols, TooFewOpening, 3},
        {"--a", CommonSymbols, NoOperands, 1},
        {"a++", CommonSymbols, NoOperands, 3},
        {"*a", CommonSymbols, UnknownName, 1},
        {"q", CommonSymbols, UnknownName, 1},
        {"a)", CommonSymbols, UnknownName, 2},
        {"a+q*2", CommonSymbols, UnknownName, 4},
        {"a(b)", CommonSymbols, UnknownName, 2},
        {"sin(", CommonSymbols, TooFewClosing, 4},
        {"sin((x)", CommonSymbols, TooFewClosing, 7},
        {"sin(x))", CommonSymbols, TooFewOpening, 7},
        {"sin(x)+", CommonSymbols, NoOperands, 7},
        {"sin()", CommonSymbols, NoOperands, 4},
        {"sin(x)y", CommonSymbols, UnknownName, 6},
        {"5.e", CommonSymbols, FractionMissing, 2},
        {"2Е5", CommonSymbols, MissingOperator, 2}, // Cyrillic Е without a sign: not an exponent
        {"2e-x", CommonSymbols, MissingOperator, 4},
        {"2.5.1", CommonSymbols, MissingOperator, 4},
        {"a*b*", CommonSymbols, NoOperands, 4},
        {"a/(b+c", CommonSymbols, TooFewClosing, 6},
        {"a-b)", CommonSymbols, UnknownName, 4},
        // As the engine parses «a*(b»: "0+" before and "+0" after (P = 8, the engine reports Q = 6).
        {"0+a*(b+0", CommonSymbols, TooFewClosing, 8},
        {"0+   +0", CommonSymbols, UnknownName, 6},
    });
}

TEST(ParseFormula, EdgeCaseTrees)
{
    CheckTrees({
        {"2,5", CommonSymbols, "2,5"},
        {"2.5", CommonSymbols, "2.5"},
        {"2.5e-3", CommonSymbols, "2.5e-3"},
        {"2,5E+3", CommonSymbols, "2,5E+3"},
        {"2Е-3", CommonSymbols, "2Е-3"}, // Cyrillic Е: a number here, refused only by evaluation
        {"2е+3*a", CommonSymbols, "(2е+3*a)"},
        {"2.5e-", CommonSymbols, "2.5e-"},
        {"2e-+a", CommonSymbols, "(2e-+a)"},
        {"5.e+3", CommonSymbols, "5.e+3"},
        {"sin(x)", CommonSymbols, "sin(x)"},
        {"sin(x)*2+y", CommonSymbols, "((sin(x)*2)+y)"},
        {"ab+a", {"a", "ab"}, "(ab+a)"},
        {"+a", CommonSymbols, "++(a)"},
        {"sinx", {"sinx"}, "sinx"},
        {"sinx*2", {"sinx"}, "(sinx*2)"},
        {"d t*2", {"d t"}, "(d t*2)"},
        {" a ", {" a "}, " a "},
    });
}

TEST(ParseFormula, Grouping)
{
    CheckTrees({
        {"a-b-c", CommonSymbols, "(a-(b-c))"},
        {"a-b+c", CommonSymbols, "(a-(b+c))"},
        {"(a-b)+c", CommonSymbols, "((a-b)+c)"},
        {"a/b*c", CommonSymbols, "(a/(b*c))"},
        {"a/b/c", CommonSymbols, "(a/(b/c))"},
        {"a^2*b", CommonSymbols, "(a^(2*b))"},
        {"a*b+c", CommonSymbols, "((a*b)+c)"},
        {"a+b*c", CommonSymbols, "(a+(b*c))"},
        {"(a+b)*c+d", CommonSymbols, "(((a+b)*c)+d)"},
        {"x*c+d", CommonSymbols, "((x*c)+d)"},
        {"(a+b)-c-d", CommonSymbols, "((a+b)-(c-d))"},
        {"-a*b", CommonSymbols, "--((a*b))"},
        {"-a-b", CommonSymbols, "(--(a)-b)"},
        {"-a-b-c", CommonSymbols, "(--(a)-(b-c))"},
        {"-(a-b)", CommonSymbols, "--((a-b))"},
        {"a*(-b)", CommonSymbols, "(a*--(b))"},
        {"a*b*c", CommonSymbols, "(a*(b*c))"},
        {"2*a+3*b-c", CommonSymbols, "((2*a)+((3*b)-c))"},
        {"sqrt(a+b)/2", CommonSymbols, "(sqrt((a+b))/2)"},
        {"ln(a)-ln(b)-c", CommonSymbols, "(ln(a)-(ln(b)-c))"},
        {"sin(a)^2+cos(a)^2", CommonSymbols, "((sin(a)^2)+(cos(a)^2))"},
        {"exp(-a*b)", CommonSymbols, "exp(--((a*b)))"},
        {"(a)", CommonSymbols, "a"},
        {"((a))", CommonSymbols, "a"},
        {"(a)*(b)", CommonSymbols, "(a*b)"},
        {"(x]", CommonSymbols, "x"},
        {"{a+b]*c", CommonSymbols, "((a+b)*c)"},
        {"[a]^(2)", CommonSymbols, "(a^2)"},
        {"0+a-b+c+0", CommonSymbols, "(0+(a-(b+(c+0))))"},
        {"0+a*b+0", CommonSymbols, "(0+((a*b)+0))"},
        {"0+x++0", CommonSymbols, "(0+(x+++(0)))"},
    });
}

TEST(ParseFormula, ExponentSignIsAnAdditiveOperator)
{
    // The additive scan after a multiplicative operator does not know numbers: the sign of an
    // exponent ends the product there. A number with a signed exponent therefore works at the start
    // of a product or in brackets, but not as a right factor (this is the language as it is defined).
    CheckTrees({
        {"2.5e-3*a", CommonSymbols, "(2.5e-3*a)"},
        {"a*(2.5e-3)", CommonSymbols, "(a*2.5e-3)"},
        {"a+2.5e-3", CommonSymbols, "(a+2.5e-3)"},
        {"1e+3*(1e+3)*2", CommonSymbols, "(1e+3*(1e+3*2))"},
    });
    CheckErrors({
        {"a*2.5e-3", CommonSymbols, MissingOperator, 6},
        {"1e+3*1e+3", CommonSymbols, MissingOperator, 7},
        {"(1e+3)*1e+3", CommonSymbols, MissingOperator, 9},
    });
}

TEST(ParseFormula, NamesAndFunctions)
{
    CheckTrees({
        // A name matches its shortest known prefix followed by the right character.
        {"sin(x)", {"sin", "x"}, "sin(x)"}, // the function is tried first
        {"sin+1", {"sin"}, "(sin+1)"},
        {"sin", {"sin"}, "sin"},
        {"x1*x12", {"x1", "x12"}, "(x1*x12)"},
        {"a b+a", {"a", "a b"}, "(a b+a)"},
        {"actg(a)+atg(b)", CommonSymbols, "(actg(a)+atg(b))"},
        {"log(sqrt(a))", CommonSymbols, "log(sqrt(a))"},
        {"exp(a)*ln(b)", CommonSymbols, "(exp(a)*ln(b))"},
        {"acos(a)/asin(b)", CommonSymbols, "(acos(a)/asin(b))"},
        {"tg(a)-ctg(b)", CommonSymbols, "(tg(a)-ctg(b))"},
        {"cos[a}", CommonSymbols, "cos(a)"},
        {"2", {"2"}, "2"},
    });
    EXPECT_EQ(FunctionNames, (std::vector<std::string>{"cos", "sin", "tg", "ln", "exp", "log", "acos", "asin", "atg",
                                                       "sqrt", "ctg", "actg"}));
}

TEST(ParseFormula, CyrillicNamesCountCharacters)
{
    const TSymbols symbols = {"Ц", "Жи", "ΔT", "R₁"};
    CheckTrees({
        {"Ц*Жи+ΔT", symbols, "((Ц*Жи)+ΔT)"},
        {"R₁/Ц", symbols, "(R₁/Ц)"},
        {"sin(Ц)^2", symbols, "(sin(Ц)^2)"},
    });
    CheckErrors({
        {"Ц*Жи+q", symbols, UnknownName, 6},
        {"Ц+Жи)", symbols, UnknownName, 5},
        {"(Ц+Жи", symbols, TooFewClosing, 5},
        {"Ц*Жи+", symbols, NoOperands, 5},
        {"ΔT*2,", symbols, FractionMissing, 5},
        {"Ж+Ц", symbols, UnknownName, 2},
        {"Ц*Ц*(ЖиЖи", symbols, TooFewClosing, 9},
    });
}

TEST(ParseFormula, MessagesFollowTheLanguageAtTheMomentOfTheError)
{
    {
        TLanguageGuard language(true);
        EXPECT_EQ(ParseFormula("(a", CommonSymbols).Error->Text, "Не достатньо закриваючих дужок");
    }
    {
        TLanguageGuard language(false);
        EXPECT_EQ(ParseFormula("(a", CommonSymbols).Error->Text, "Недостаточно закрывающих скобок");
    }
}

TEST(ParseFormula, MalformedUtf8IsOneCharacterPerBadByte)
{
    CheckErrors({
        {"a+\xFF", CommonSymbols, UnknownName, 3},
        {"\xC3", CommonSymbols, UnknownName, 1},
        {"a+\xE2\x82", CommonSymbols, UnknownName, 4},       // truncated sequence: two bad bytes
        {"\xC0\x80+a", CommonSymbols, UnknownName, 3},       // overlong form: two bad bytes
        {"\xED\xA0\x80*a", CommonSymbols, UnknownName, 4},   // surrogate: three bad bytes
        {"Ц\x80*(a", CommonSymbols, UnknownName, 3},         // stray continuation byte
        {"\xF4\x90\x80\x80", CommonSymbols, UnknownName, 4}, // above U+10FFFF
    });
    // The node texts keep the original bytes, so a name with a bad byte still matches itself.
    CheckTrees({
        {"\xFF*2", {"\xFF"}, "(\xFF*2)"},
        {"x\xC3+1", {"x\xC3"}, "(x\xC3+1)"},
    });
}

std::string Repeat(const std::string& piece, int count)
{
    std::string text;
    for (int i = 0; i < count; ++i)
        text += piece;
    return text;
}

TEST(ParseFormula, DeepNestingIsRefusedWithoutCrash)
{
    struct TDeepCase {
        std::string Formula;
        int32_t Pos;
    };
    const std::vector<TDeepCase> cases = {
        // Level d of the bracket recursion parses the piece that starts at character d.
        {Repeat("(", 10000) + "a" + Repeat(")", 10000), MaxFormulaDepth + 1},
        // A binary node parses its left operand first: the "a" before the operator of level 2000.
        {Repeat("a+", 5000) + "a", 2 * MaxFormulaDepth - 1},
        {Repeat("a^", 3000) + "a", 2 * MaxFormulaDepth - 1},
        // Level d of the calls parses the argument that starts at character 4(d-1)+1.
        {Repeat("sin(", 3000) + "x" + Repeat(")", 3000), 4 * MaxFormulaDepth + 1},
        {Repeat("+", 10000) + "a", MaxFormulaDepth + 1},
    };
    for (const bool ukrainian : {true, false}) {
        TLanguageGuard language(ukrainian);
        for (const TDeepCase& c : cases) {
            SCOPED_TRACE(c.Formula.substr(0, 20) + "…");
            const TParseResult result = ParseFormula(c.Formula, CommonSymbols);
            EXPECT_EQ(result.Root, nullptr);
            ASSERT_TRUE(result.Error.has_value());
            EXPECT_EQ(result.Error->Text, ukrainian ? TooDeep.Ukrainian : TooDeep.Russian);
            EXPECT_EQ(result.Error->Pos, c.Pos);
        }
    }
}

TEST(ParseFormula, NestingBelowTheBoundIsAccepted)
{
    const TParseResult brackets = ParseFormula(Repeat("(", 1500) + "a" + Repeat(")", 1500), CommonSymbols);
    ASSERT_NE(brackets.Root, nullptr);
    EXPECT_EQ(TreeText(*brackets.Root), "a");

    const TParseResult sum = ParseFormula(Repeat("a+", 900) + "a", CommonSymbols);
    ASSERT_NE(sum.Root, nullptr);

    // An unbalanced long text ends its first walk at once.
    const TParseResult open = ParseFormula(Repeat("(", 1000000), CommonSymbols);
    ASSERT_TRUE(open.Error.has_value());
    EXPECT_EQ(open.Error->Pos, 1000000);
}

TEST(ParseFormula, NeverThrowsOnRandomTexts)
{
    const std::vector<std::string> alphabet = {"a", "b", "x", "ab", "sin", "sin(", "actg(", "(",    ")", "[",
                                               "}", "+", "-", "*",  "/",   "^",    "1",     "2",    ".", ",",
                                               "e", "E", "Е", "е",  " ",   "Ц",    "\xFF",  "\xC3", "0", "9"};
    std::mt19937 random(20240611);
    for (int i = 0; i < 20000; ++i) {
        std::string text;
        const int length = static_cast<int>(random() % 16);
        for (int j = 0; j < length; ++j)
            text += alphabet[random() % alphabet.size()];
        TParseResult result;
        ASSERT_NO_THROW(result = ParseFormula(text, {"a", "b", "x", "ab", "Ц"})) << text;
        ASSERT_EQ(result.Root == nullptr, result.Error.has_value()) << text;
        if (result.Error) {
            EXPECT_GE(result.Error->Pos, 0) << text;
            EXPECT_LE(result.Error->Pos, static_cast<int32_t>(text.size())) << text;
            EXPECT_FALSE(result.Error->Text.empty()) << text;
        }
    }
}

} // namespace
