#pragma once
// Limits of the formula parser that the language itself leaves open.
#include <cstdint>

// The deepest nesting of recursive parses that ParseFormula accepts. Every level of the recursion
// (a bracketed group, an operand of an operator, a function argument) adds one; a deeper text is
// refused with its own error instead of exhausting the stack. The tree built is never deeper than
// this either, so its evaluation and release are bounded too. Model formulas stay far below it.
inline constexpr int32_t MaxFormulaDepth = 2000;
