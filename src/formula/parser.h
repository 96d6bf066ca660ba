#pragma once
// The model formula language: parsing a formula over the names of an evaluation's inputs into a
// binary expression tree. The text is UTF-8; positions count characters (code points).
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

struct TNode {
    std::string Text; // operator, function name, "++", "--", number text or variable name
    int32_t Pos = 0;
    std::unique_ptr<TNode> Left;
    std::unique_ptr<TNode> Right;
};

using TSymbols = std::vector<std::string>;
using TValues = std::vector<double>;

// The first error of a parse: the message (in the language of the moment) and its 1-based
// position in the text given to ParseFormula (0 for an empty text).
struct TFormulaError {
    std::string Text;
    int32_t Pos = 0;
};

struct TParseResult {
    std::unique_ptr<TNode> Root; // null on failure
    std::optional<TFormulaError> Error;
};

// Built-in functions, in the order they are tried.
extern const std::vector<std::string> FunctionNames;

// Never throws for any text; a failure is returned in Error.
TParseResult ParseFormula(const std::string& text, const TSymbols& symbols);
