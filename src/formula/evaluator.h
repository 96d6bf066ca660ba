#pragma once
// Evaluation of a parsed formula for given values of its variables.
#include "formula/parser.h"

// Value of the tree. Number texts are read with decimalSeparator ("." or ",") and the Latin
// exponent letters; a text that does not convert raises EConvertError quoting it. Arithmetic with
// no finite result raises EZeroDivide, EInvalidOp or EOverflow.
double EvaluateTree(const TNode& node, const TSymbols& symbols, const TValues& values, char decimalSeparator = '.');

// base ^ exponent by the language's rules: exponent 0 gives 1; base 0 with a positive exponent 0;
// a whole exponent up to 2147483647 in magnitude repeated multiplication (reciprocal when negative);
// otherwise exp(exponent * ln(base)).
double PowerRule(double base, double exponent);

// Converts a number text of the formula language with the given decimal separator; EConvertError otherwise.
double ConvertNumberText(const std::string& text, char decimalSeparator);
