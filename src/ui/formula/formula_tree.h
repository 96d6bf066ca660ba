#pragma once
// The structure of a model formula as the typesetter sees it. It groups the text the way the
// calculation does (additive operators split first and group to the right, "*", "/" and "^" share
// one level and group to the right), so the picture shows what will be computed. It never fails:
// whatever it cannot place is kept as plain text.
#include <QString>

#include <vector>

enum class TExprKind {
    Empty,    // a missing operand
    Number,   // Text: the literal as typed
    Name,     // Text: a variable name, blanks trimmed
    Plain,    // Text: characters that fit nowhere (a stray bracket, say)
    Function, // Text: the function name; Items[0]: the argument
    Group,    // Text: the opening and the closing bracket; Items[0]: the content
    Unary,    // Text: "+" or "-"; Items[0]: the operand
    Binary,   // Text: the operator; Items[0], Items[1]: the operands
    Row,      // Items: pieces written one after another without an operator between them
};

struct TFormulaExpr {
    TExprKind Kind = TExprKind::Empty;
    QString Text;
    std::vector<TFormulaExpr> Items;
};

TFormulaExpr ParseFormulaForTypesetting(const QString& text);
