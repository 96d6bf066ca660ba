#include "ui/formula/formula_tree.h"

#include "formula/parser.h"
#include "ui/common/text_convert.h"

#include <algorithm>
#include <functional>

namespace {

enum class TTokenKind { Number, Name, Function, Open, Close, Operator, Plain };

struct TToken {
    TTokenKind Kind;
    QString Text;
    int Match = -1; // an opening bracket: the index of its closing one
};

bool IsOperator(QChar c)
{
    return c == u'+' || c == u'-' || c == u'*' || c == u'/' || c == u'^';
}
bool IsAdditive(QChar c)
{
    return c == u'+' || c == u'-';
}
bool IsOpening(QChar c)
{
    return c == u'(' || c == u'[' || c == u'{';
}
bool IsClosing(QChar c)
{
    return c == u')' || c == u']' || c == u'}';
}
bool IsDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}
bool IsSeparator(QChar c)
{
    return c == u',' || c == u'.';
}
// Latin and Cyrillic E, as the calculation reads them.
bool IsExponentLetter(QChar c)
{
    return c == u'E' || c == u'e' || c == QChar(0x0415) || c == QChar(0x0435);
}

bool IsFunctionName(const QString& name)
{
    const std::string text = ToStd(name);
    return std::find(FunctionNames.begin(), FunctionNames.end(), text) != FunctionNames.end();
}

// The number as the calculation reads it: digits, a separator and digits, an exponent with its sign.
int NumberEnd(const QString& s, int i)
{
    const int length = static_cast<int>(s.size());
    while (i < length && IsDigit(s[i]))
        ++i;
    if (i < length && IsSeparator(s[i])) {
        ++i;
        while (i < length && IsDigit(s[i]))
            ++i;
    }
    if (i + 1 < length && IsExponentLetter(s[i]) && IsAdditive(s[i + 1])) {
        i += 2;
        while (i < length && IsDigit(s[i]))
            ++i;
    }
    return i;
}

std::vector<TToken> Tokenize(const QString& s)
{
    std::vector<TToken> tokens;
    const int length = static_cast<int>(s.size());
    int i = 0;
    while (i < length) {
        const QChar c = s[i];
        if (IsOperator(c) || IsOpening(c) || IsClosing(c)) {
            const TTokenKind kind =
                IsOperator(c) ? TTokenKind::Operator : (IsOpening(c) ? TTokenKind::Open : TTokenKind::Close);
            tokens.push_back({kind, QString(c)});
            ++i;
            continue;
        }
        if (IsDigit(c)) {
            const int end = NumberEnd(s, i);
            tokens.push_back({TTokenKind::Number, s.mid(i, end - i)});
            i = end;
            continue;
        }
        // Anything up to the next operator or bracket is one name; blanks are name characters.
        int end = i;
        while (end < length && !IsOperator(s[end]) && !IsOpening(s[end]) && !IsClosing(s[end]))
            ++end;
        const QString raw = s.mid(i, end - i);
        const QString name = raw.trimmed();
        if (!name.isEmpty()) {
            const bool call = end < length && IsOpening(s[end]) && IsFunctionName(raw);
            tokens.push_back({call ? TTokenKind::Function : TTokenKind::Name, name});
        }
        i = end;
    }
    // Pair the brackets; one without a partner is shown as it stands.
    std::vector<int> open;
    for (int k = 0; k < static_cast<int>(tokens.size()); ++k) {
        if (tokens[k].Kind == TTokenKind::Open) {
            open.push_back(k);
        }
        else if (tokens[k].Kind == TTokenKind::Close) {
            if (open.empty()) {
                tokens[k].Kind = TTokenKind::Plain;
                continue;
            }
            tokens[open.back()].Match = k;
            open.pop_back();
        }
    }
    for (int k : open)
        tokens[k].Kind = TTokenKind::Plain;
    return tokens;
}

class TParser {
  public:
    explicit TParser(std::vector<TToken> tokens) : Tokens(std::move(tokens)) {}

    TFormulaExpr Sum(int lo, int hi) const
    {
        if (lo >= hi)
            return {};
        // Nesting beyond any real model is shown as text, so the stack stays bounded.
        if (Depth >= MaxDepth)
            return {TExprKind::Plain, TextOf(lo, hi), {}};
        const TDepthGuard guard(Depth);
        if (IsOperatorToken(lo, u'+'))
            return Unary(u'+', Sum(lo + 1, hi));
        // A leading sign is not a split point.
        const int from = Tokens[lo].Kind == TTokenKind::Operator ? lo + 1 : lo;
        const int a = FindOutsideBrackets(from, hi, IsAdditive);
        if (a >= 0)
            return Binary(Tokens[a].Text, Sum(lo, a), Sum(a + 1, hi));
        if (IsOperatorToken(lo, u'-'))
            return Unary(u'-', Sum(lo + 1, hi));
        return Product(lo, hi);
    }

  private:
    static constexpr int MaxDepth = 200;

    struct TDepthGuard {
        explicit TDepthGuard(int& depth) : Depth(depth) { ++Depth; }
        ~TDepthGuard() { --Depth; }
        int& Depth;
    };

    std::vector<TToken> Tokens;
    mutable int Depth = 0;

    QString TextOf(int lo, int hi) const
    {
        QString text;
        for (int k = lo; k < hi; ++k)
            text += Tokens[k].Text;
        return text;
    }

    bool IsOperatorToken(int k, QChar op) const
    {
        return Tokens[k].Kind == TTokenKind::Operator && Tokens[k].Text[0] == op;
    }

    int FindOutsideBrackets(int from, int hi, const std::function<bool(QChar)>& wanted) const
    {
        for (int k = from; k < hi; ++k) {
            if (Tokens[k].Kind == TTokenKind::Open)
                k = Tokens[k].Match;
            else if (Tokens[k].Kind == TTokenKind::Operator && wanted(Tokens[k].Text[0]))
                return k;
        }
        return -1;
    }

    TFormulaExpr Product(int lo, int hi) const
    {
        const int m = FindOutsideBrackets(lo, hi, [](QChar c) { return !IsAdditive(c); });
        if (m < 0)
            return Operand(lo, hi);
        return Binary(Tokens[m].Text, Operand(lo, m), Sum(m + 1, hi));
    }

    // Numbers, names, bracketed groups and calls; several of them side by side are kept as a row.
    TFormulaExpr Operand(int lo, int hi) const
    {
        std::vector<TFormulaExpr> pieces;
        for (int k = lo; k < hi; ++k) {
            const TToken& token = Tokens[k];
            if (token.Kind == TTokenKind::Open) {
                TFormulaExpr group{TExprKind::Group, token.Text + Tokens[token.Match].Text, {}};
                group.Items.push_back(Sum(k + 1, token.Match));
                pieces.push_back(std::move(group));
                k = token.Match;
            }
            else if (token.Kind == TTokenKind::Function && k + 1 < hi && Tokens[k + 1].Kind == TTokenKind::Open) {
                const int close = Tokens[k + 1].Match;
                TFormulaExpr call{TExprKind::Function, token.Text, {}};
                call.Items.push_back(Sum(k + 2, close));
                pieces.push_back(std::move(call));
                k = close;
            }
            else {
                pieces.push_back({LeafKind(token.Kind), token.Text, {}});
            }
        }
        if (pieces.empty())
            return {};
        if (pieces.size() == 1)
            return std::move(pieces.front());
        return {TExprKind::Row, QString(), std::move(pieces)};
    }

    static TExprKind LeafKind(TTokenKind kind)
    {
        switch (kind) {
        case TTokenKind::Number:
            return TExprKind::Number;
        case TTokenKind::Name:
        case TTokenKind::Function:
            return TExprKind::Name;
        default:
            return TExprKind::Plain;
        }
    }

    static TFormulaExpr Unary(QChar op, TFormulaExpr operand)
    {
        TFormulaExpr e{TExprKind::Unary, QString(op), {}};
        e.Items.push_back(std::move(operand));
        return e;
    }

    static TFormulaExpr Binary(const QString& op, TFormulaExpr left, TFormulaExpr right)
    {
        TFormulaExpr e{TExprKind::Binary, op, {}};
        e.Items.push_back(std::move(left));
        e.Items.push_back(std::move(right));
        return e;
    }
};

} // namespace

TFormulaExpr ParseFormulaForTypesetting(const QString& text)
{
    std::vector<TToken> tokens = Tokenize(text);
    const int count = static_cast<int>(tokens.size());
    return TParser(std::move(tokens)).Sum(0, count);
}
