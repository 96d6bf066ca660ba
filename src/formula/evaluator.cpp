#include "formula/evaluator.h"

#include "formula/float_errors.h"
#include "text/convert_error.h"
#include "text/language.h"

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <stdexcept>
#include <system_error>
#include <vector>

// Evaluation of a parsed formula. Every step that has no finite result throws EZeroDivide, EInvalidOp
// or EOverflow (float_errors.h); no NaN or infinity is ever returned.

namespace {

bool SameBits(double a, double b)
{
    return std::bit_cast<uint64_t>(a) == std::bit_cast<uint64_t>(b);
}

// base multiplied by itself count times (count >= 1), literally r(k+1) = r(k) * base, so the
// result is bit-identical to the plain loop. The loop ends early only where its outcome is already
// fixed: an infinite product is EOverflow (it would stay infinite); a product equal to its
// predecessor bit for bit (e.g. 0 or 1) stays so; a product equal to the one two steps back (e.g.
// base -1, or +0/-0 for a negative base) alternates, and the parity of the remaining steps picks
// the result. The checks run between blocks of plain multiplications, which keeps the long loops
// (1.0000001^2000000000) at the speed of the bare multiplication chain.
double RepeatedProduct(double base, int64_t count)
{
    constexpr int64_t BlockSize = 256;
    double current = base; // r(done)
    int64_t done = 1;
    while (done < count) {
        // Two watched steps: r(done+1) and r(done+2).
        const double first = current * base;
        if (std::isinf(first))
            throw EOverflow();
        if (SameBits(first, current))
            return first;
        if (done + 1 == count)
            return first;
        const double second = first * base;
        if (std::isinf(second))
            throw EOverflow();
        if (SameBits(second, current)) // r(done+2) == r(done): alternates from here
            return (count - (done + 2)) % 2 == 0 ? second : first;
        current = second;
        done += 2;
        // A block of plain steps; an infinity met inside stays infinite to its end.
        const int64_t block = count - done < BlockSize ? count - done : BlockSize;
        for (int64_t k = 0; k < block; ++k)
            current *= base;
        done += block;
        if (std::isinf(current))
            throw EOverflow();
    }
    return current;
}

double Logarithm(double x, bool decimal)
{
    if (x == 0.0)
        throw EZeroDivide();
    if (x < 0.0)
        throw EInvalidOp();
    return CheckedResult(decimal ? std::log10(x) : std::log(x));
}

double ApplyFunction(const std::string& name, double x)
{
    if (name == "cos")
        return CheckedResult(std::cos(x));
    if (name == "sin")
        return CheckedResult(std::sin(x));
    if (name == "tg")
        return CheckedResult(std::tan(x));
    if (name == "ctg")
        return CheckedDivide(1.0, std::tan(x));
    if (name == "acos" || name == "asin") {
        if (x < -1.0 || x > 1.0)
            throw EInvalidOp();
        return CheckedResult(name == "acos" ? std::acos(x) : std::asin(x));
    }
    if (name == "atg")
        return CheckedResult(std::atan(x));
    if (name == "actg") {
        if (std::fabs(x) <= 1e-16)
            return std::numbers::pi / 2;
        return CheckedResult(std::atan(CheckedDivide(1.0, x)));
    }
    if (name == "exp")
        return CheckedResult(std::exp(x));
    if (name == "ln")
        return Logarithm(x, false);
    if (name == "log")
        return Logarithm(x, true);
    if (name == "sqrt")
        return CheckedSqrt(x);
    throw std::invalid_argument("EvaluateTree: unknown function \"" + name + "\"");
}

double Combine(const std::string& op, double left, double right)
{
    if (op == "+")
        return CheckedResult(left + right);
    if (op == "-")
        return CheckedResult(left - right);
    if (op == "*")
        return CheckedResult(left * right);
    if (op == "/")
        return CheckedDivide(left, right);
    if (op == "^")
        return PowerRule(left, right);
    throw std::invalid_argument("EvaluateTree: unknown operator \"" + op + "\"");
}

struct TContext {
    const TSymbols& Symbols;
    const TValues& Values;
    char DecimalSeparator;
};

double LeafValue(const TNode& leaf, const TContext& context)
{
    for (size_t i = 0; i < context.Symbols.size(); ++i)
        if (context.Symbols[i] == leaf.Text) {
            if (i >= context.Values.size())
                throw std::out_of_range("EvaluateTree: fewer values than symbols");
            return CheckedResult(context.Values[i]);
        }
    return ConvertNumberText(leaf.Text, context.DecimalSeparator);
}

double ApplyUnary(const std::string& text, double operand)
{
    if (text == "++")
        return operand;
    if (text == "--")
        return -operand;
    return ApplyFunction(text, operand);
}

// Post-order walk on an explicit stack, so that no tree, however deep, can exhaust the call stack:
// a node's left operand is computed completely, then its right one, then the node itself, which is
// the order of the recursive definition (so the first failure is the same one).
double Evaluate(const TNode& root, const TContext& context)
{
    struct TVisit {
        const TNode* Node;
        bool OperandsDone;
    };
    std::vector<TVisit> visits{TVisit{&root, false}};
    std::vector<double> operands;
    while (!visits.empty()) {
        const TVisit visit = visits.back();
        visits.pop_back();
        const TNode& node = *visit.Node;
        if (!node.Left) {
            if (node.Right)
                throw std::invalid_argument("EvaluateTree: a node with a right operand only");
            operands.push_back(LeafValue(node, context));
        }
        else if (!visit.OperandsDone) {
            visits.push_back(TVisit{&node, true});
            if (node.Right)
                visits.push_back(TVisit{node.Right.get(), false});
            visits.push_back(TVisit{node.Left.get(), false});
        }
        else if (!node.Right) {
            operands.back() = ApplyUnary(node.Text, operands.back());
        }
        else {
            const double right = operands.back();
            operands.pop_back();
            operands.back() = Combine(node.Text, operands.back(), right);
        }
    }
    return operands.back();
}

[[noreturn]] void FailConversion(const std::string& text)
{
    throw EConvertError(Msg("«" + text + "» — не є числом.", "«" + text + "» — не является числом."));
}

bool IsAsciiDigit(char c)
{
    return c >= '0' && c <= '9';
}

} // namespace

double EvaluateTree(const TNode& node, const TSymbols& symbols, const TValues& values, char decimalSeparator)
{
    return Evaluate(node, TContext{symbols, values, decimalSeparator});
}

double PowerRule(double base, double exponent)
{
    CheckedResult(base);
    CheckedResult(exponent);
    if (exponent == 0.0)
        return 1.0;
    if (base == 0.0 && exponent > 0.0)
        return 0.0;
    const double magnitude = std::fabs(exponent);
    if (std::trunc(exponent) == exponent && magnitude <= 2147483647.0) {
        const double product = RepeatedProduct(base, static_cast<int64_t>(magnitude));
        return exponent < 0.0 ? CheckedDivide(1.0, product) : product;
    }
    // e^(exponent * ln(base)): ln needs a positive base.
    if (base == 0.0)
        throw EZeroDivide();
    if (base < 0.0)
        throw EInvalidOp();
    return CheckedResult(std::exp(exponent * std::log(base)));
}

double ConvertNumberText(const std::string& text, char decimalSeparator)
{
    if (decimalSeparator != '.' && decimalSeparator != ',')
        throw std::invalid_argument("ConvertNumberText: the decimal separator must be '.' or ','");
    // [sign] digits [separator digits] [E|e [sign] digits], with at least one mantissa digit and
    // at least one exponent digit; nothing else, no blanks.
    const size_t size = text.size();
    size_t i = 0;
    bool negative = false;
    if (i < size && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    const size_t integerBegin = i;
    while (i < size && IsAsciiDigit(text[i]))
        ++i;
    const size_t integerEnd = i;
    size_t fractionBegin = i;
    size_t fractionEnd = i;
    if (i < size && text[i] == decimalSeparator) {
        fractionBegin = ++i;
        while (i < size && IsAsciiDigit(text[i]))
            ++i;
        fractionEnd = i;
    }
    if (integerEnd == integerBegin && fractionEnd == fractionBegin)
        FailConversion(text);
    long long exponent = 0;
    if (i < size && (text[i] == 'E' || text[i] == 'e')) {
        ++i;
        bool negativeExponent = false;
        if (i < size && (text[i] == '+' || text[i] == '-')) {
            negativeExponent = text[i] == '-';
            ++i;
        }
        const size_t digitsBegin = i;
        while (i < size && IsAsciiDigit(text[i])) {
            if (exponent < 1000000000)
                exponent = exponent * 10 + (text[i] - '0');
            ++i;
        }
        if (i == digitsBegin)
            FailConversion(text);
        if (negativeExponent)
            exponent = -exponent;
    }
    if (i != size)
        FailConversion(text);

    // The same text with a point and without a leading plus, which std::from_chars reads in any locale.
    std::string normalized = text.substr(text[0] == '+' ? 1 : 0);
    for (char& c : normalized)
        if (c == decimalSeparator)
            c = '.';
    double value = 0.0;
    const auto [end, error] = std::from_chars(normalized.data(), normalized.data() + normalized.size(), value);
    if (error == std::errc() && end == normalized.data() + normalized.size())
        return value;
    if (error != std::errc::result_out_of_range)
        FailConversion(text);
    // Beyond the double range: overflow when the decimal magnitude is large, underflow (to zero,
    // not an error) when it is small.
    long long magnitude = 0;
    bool found = false;
    for (size_t p = integerBegin; p < integerEnd && !found; ++p)
        if (text[p] != '0') {
            magnitude = static_cast<long long>(integerEnd - p) - 1;
            found = true;
        }
    for (size_t p = fractionBegin; p < fractionEnd && !found; ++p)
        if (text[p] != '0') {
            magnitude = -static_cast<long long>(p - fractionBegin) - 1;
            found = true;
        }
    if (found && magnitude + exponent > 0)
        throw EOverflow();
    return negative ? -0.0 : 0.0;
}
