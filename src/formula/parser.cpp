#include "formula/parser.h"

#include "formula/parser_limits.h"
#include "text/language.h"

#include <cstddef>
#include <cstring>
#include <exception>
#include <limits>
#include <utility>

// The splitting parser of the formula language. The text is decoded into code points once; every piece
// of the recursion is a range of that one array, so a position inside a piece translates to a
// position in the whole text by its start alone, which is exactly the rule "add s - 1" of nested pieces
// applied at every level. Node texts are cut from the original bytes, so a variable leaf holds
// exactly the bytes of its name.

const std::vector<std::string> FunctionNames = {"cos",  "sin",  "tg",  "ln",   "exp", "log",
                                                "acos", "asin", "atg", "sqrt", "ctg", "actg"};

namespace {

constexpr char32_t ReplacementCharacter = 0xFFFD;

// Code points of a UTF-8 text with the byte offset of each (Offsets has one entry more: the end).
// A byte that does not start a well-formed sequence (stray continuation byte, overlong form,
// surrogate, code point above U+10FFFF, truncated sequence) is one character U+FFFD.
struct TDecodedText {
    std::vector<char32_t> Chars;
    std::vector<size_t> Offsets;
};

TDecodedText DecodeUtf8(const std::string& text)
{
    TDecodedText decoded;
    decoded.Chars.reserve(text.size());
    decoded.Offsets.reserve(text.size() + 1);
    const size_t size = text.size();
    size_t i = 0;
    while (i < size) {
        const auto lead = static_cast<unsigned char>(text[i]);
        decoded.Offsets.push_back(i);
        size_t length = 0;
        char32_t code = 0;
        char32_t minimum = 0;
        if (lead < 0x80) {
            length = 1;
            code = lead;
        }
        else if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
            code = lead & 0x1F;
            minimum = 0x80;
        }
        else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            code = lead & 0x0F;
            minimum = 0x800;
        }
        else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            code = lead & 0x07;
            minimum = 0x10000;
        }
        bool valid = length > 0 && i + length <= size;
        for (size_t j = 1; valid && j < length; ++j) {
            const auto next = static_cast<unsigned char>(text[i + j]);
            if ((next & 0xC0) != 0x80)
                valid = false;
            else
                code = (code << 6) | (next & 0x3F);
        }
        if (valid && length > 1 && (code < minimum || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)))
            valid = false;
        if (valid) {
            decoded.Chars.push_back(code);
            i += length;
        }
        else {
            decoded.Chars.push_back(ReplacementCharacter);
            i += 1;
        }
    }
    decoded.Offsets.push_back(size);
    return decoded;
}

// Character classes of the language.
bool IsDigit(char32_t c)
{
    return c >= U'0' && c <= U'9';
}
bool IsAdditive(char32_t c)
{
    return c == U'+' || c == U'-';
}
bool IsMultiplicative(char32_t c)
{
    return c == U'*' || c == U'/' || c == U'^';
}
bool IsOperator(char32_t c)
{
    return IsAdditive(c) || IsMultiplicative(c);
}
bool IsOpening(char32_t c)
{
    return c == U'(' || c == U'[' || c == U'{';
}
bool IsClosing(char32_t c)
{
    return c == U')' || c == U']' || c == U'}';
}
bool IsSeparator(char32_t c)
{
    return c == U',' || c == U'.';
}
// Latin E/e and Cyrillic Е/е (U+0415, U+0435; bytes 0xC5/0xE5 in Windows-1251).
bool IsExponentLetter(char32_t c)
{
    return c == U'E' || c == U'e' || c == U'\u0415' || c == U'\u0435';
}

enum class TErrorKind {
    NoOperands,
    TooFewOpening,
    TooFewClosing,
    FractionMissing,
    MissingOperator,
    UnknownName,
    TooDeep
};

std::string ErrorMessage(TErrorKind kind)
{
    switch (kind) {
    case TErrorKind::NoOperands:
        return Msg("Немає операндів", "Нет операндов");
    case TErrorKind::TooFewOpening:
        return Msg("Не достатньо відкриваючих дужок", "Недостаточно открывающих скобок");
    case TErrorKind::TooFewClosing:
        return Msg("Не достатньо закриваючих дужок", "Недостаточно закрывающих скобок");
    case TErrorKind::FractionMissing:
        return Msg("Дробна частина на вказана", "Дробная часть не указана");
    case TErrorKind::MissingOperator:
        return Msg("Не вистачає оператора", "Не хватает оператора");
    case TErrorKind::UnknownName:
        return Msg("Знайдено не визначений ідентифікатор(змінну)", "Найден неизвестный идентификатор(переменная)");
    case TErrorKind::TooDeep:
        // Our bound on the nesting of pieces (parser_limits.h).
        static_assert(MaxFormulaDepth == 2000, "the message names the limit");
        return Msg("Формула занадто складна: вкладеність перевищує 2000 рівнів",
                   "Формула слишком сложна: вложенность превышает 2000 уровней");
    }
    return {};
}

int32_t ClampPosition(size_t position)
{
    constexpr auto largest = static_cast<size_t>(std::numeric_limits<int32_t>::max());
    return static_cast<int32_t>(position < largest ? position : largest);
}

using TNodePtr = std::unique_ptr<TNode>;

// A piece S[s..t] of the text as a half-open range of indices into the code point array.
struct TPiece {
    size_t Begin = 0;
    size_t End = 0;
    size_t Length() const { return End - Begin; }
};

// What one level of Parse(S) decides for its piece, before any recursive call.
struct TStep {
    enum TKind { Leaf, Unary, Binary, Group, Failure };
    TKind Kind = Failure;
    std::string Text; // Leaf, Unary, Binary: the node's text
    TPiece First;     // Unary: the operand; Binary: the left operand; Group: the text between the brackets
    TPiece Second;    // Binary: the right operand
    TErrorKind Error = TErrorKind::NoOperands;
    size_t Position = 0; // Failure: 1-based position in the whole text
};

TStep LeafStep(std::string text)
{
    TStep step;
    step.Kind = TStep::Leaf;
    step.Text = std::move(text);
    return step;
}

TStep UnaryStep(std::string text, TPiece operand)
{
    TStep step;
    step.Kind = TStep::Unary;
    step.Text = std::move(text);
    step.First = operand;
    return step;
}

TStep BinaryStep(char32_t op, TPiece left, TPiece right)
{
    TStep step;
    step.Kind = TStep::Binary;
    step.Text = std::string(1, static_cast<char>(op)); // the operators are ASCII
    step.First = left;
    step.Second = right;
    return step;
}

TStep GroupStep(TPiece inner)
{
    TStep step;
    step.Kind = TStep::Group;
    step.First = inner;
    return step;
}

TStep FailureStep(TErrorKind kind, size_t position)
{
    TStep step;
    step.Kind = TStep::Failure;
    step.Error = kind;
    step.Position = position;
    return step;
}

// The recursion of the splitting rules runs on an explicit stack of pieces still to parse, so the parse uses
// no call stack however deep the text nests. The pieces are taken in the recursive order (a node's
// left operand completely before its right one), so the first failure met is the leftmost
// one. Every piece is one level deeper than the piece it came from, as a recursive call would be;
// a piece deeper than MaxFormulaDepth fails, which also bounds the depth of every tree returned.
class TParser {
  public:
    TParser(const std::string& text, const TSymbols& symbols) : Text(text), Decoded(DecodeUtf8(text)), Symbols(symbols)
    {
    }

    TParseResult Run()
    {
        struct TTask {
            TPiece Piece;
            TNodePtr* Slot; // where the node of the piece goes (inside a node already built, or the root)
            int32_t Depth;
        };
        TParseResult result;
        TNodePtr root;
        std::vector<TTask> tasks{TTask{TPiece{0, Decoded.Chars.size()}, &root, 1}};
        while (!tasks.empty()) {
            const TTask task = tasks.back();
            tasks.pop_back();
            TStep step = task.Depth > MaxFormulaDepth ? TooDeepStep(task.Piece) : Split(task.Piece);
            switch (step.Kind) {
            case TStep::Failure:
                result.Error = TFormulaError{ErrorMessage(step.Error), ClampPosition(step.Position)};
                return result; // the nodes built so far go with root
            case TStep::Leaf:
                *task.Slot = MakeNode(std::move(step.Text));
                break;
            case TStep::Group:
                tasks.push_back(TTask{step.First, task.Slot, task.Depth + 1});
                break;
            case TStep::Unary:
                *task.Slot = MakeNode(std::move(step.Text));
                tasks.push_back(TTask{step.First, &(*task.Slot)->Left, task.Depth + 1});
                break;
            case TStep::Binary:
                *task.Slot = MakeNode(std::move(step.Text));
                tasks.push_back(TTask{step.Second, &(*task.Slot)->Right, task.Depth + 1});
                tasks.push_back(TTask{step.First, &(*task.Slot)->Left, task.Depth + 1});
                break;
            }
        }
        result.Root = std::move(root);
        return result;
    }

  private:
    static TNodePtr MakeNode(std::string text)
    {
        auto node = std::make_unique<TNode>();
        node->Text = std::move(text);
        return node;
    }

    static TStep TooDeepStep(TPiece piece)
    {
        return FailureStep(TErrorKind::TooDeep, piece.Length() > 0 ? piece.Begin + 1 : piece.Begin);
    }

    // S[i] for 1-based i of the piece.
    char32_t At(TPiece piece, size_t i) const { return Decoded.Chars[piece.Begin + i - 1]; }
    // Position in the whole text (1-based) of S[i] of the piece; i = 0 gives the character before
    // the piece. This is the translation "add s - 1" done for all levels at once.
    static size_t Position(TPiece piece, size_t i) { return piece.Begin + i; }
    // S[i..j] of the piece (empty when j < i).
    static TPiece Sub(TPiece piece, size_t i, size_t j)
    {
        const size_t begin = piece.Begin + i - 1;
        const size_t end = piece.Begin + j;
        return TPiece{begin, end > begin ? end : begin};
    }
    // The original bytes of a piece.
    std::string Bytes(TPiece piece) const
    {
        const size_t from = Decoded.Offsets[piece.Begin];
        return Text.substr(from, Decoded.Offsets[piece.End] - from);
    }
    bool BytesEqual(TPiece piece, const std::string& name) const
    {
        const size_t from = Decoded.Offsets[piece.Begin];
        const size_t size = Decoded.Offsets[piece.End] - from;
        return name.size() == size && std::memcmp(Text.data() + from, name.data(), size) == 0;
    }

    // One level of Parse(S): the six cases by S[1].
    TStep Split(TPiece piece) const
    {
        const size_t length = piece.Length();
        if (length == 0) // case 1
            return FailureStep(TErrorKind::NoOperands, Position(piece, 0));
        const char32_t first = At(piece, 1);
        if (IsOpening(first)) // case 2
            return SplitBracket(piece);
        if (IsDigit(first)) // case 3
            return SplitNumber(piece);
        if (first == U'+') // case 4
            return UnaryStep("++", Sub(piece, 2, length));
        if (first == U'-') // case 5
            return SplitMinus(piece);
        return SplitName(piece); // case 6
    }

    struct TScanResult {
        size_t Found = 0; // 1-based position of the additive operator, 0 when none
        long long Depth = 0;
    };

    // The additive scan from m: positions m+1 .. L.
    TScanResult AdditiveScan(TPiece piece, size_t m) const
    {
        const size_t length = piece.Length();
        long long depth = 0;
        for (size_t p = m + 1; p <= length; ++p) {
            const char32_t c = At(piece, p);
            if (IsOpening(c))
                ++depth;
            else if (IsClosing(c))
                --depth;
            else if (depth == 0 && IsAdditive(c))
                return TScanResult{p, 0};
        }
        return TScanResult{0, depth};
    }

    // The bracket error at L for a walk that ended with a depth other than 0.
    static TStep BracketError(long long depth, TPiece piece)
    {
        return FailureStep(depth > 0 ? TErrorKind::TooFewClosing : TErrorKind::TooFewOpening,
                           Position(piece, piece.Length()));
    }

    // After a multiplicative operator at m: split at the additive operator that the scan finds,
    // or else at m with Left = S[leftFrom..leftTo].
    TStep SplitProduct(TPiece piece, size_t m, size_t leftFrom, size_t leftTo) const
    {
        const size_t length = piece.Length();
        const TScanResult scan = AdditiveScan(piece, m);
        if (scan.Found != 0) {
            const size_t a = scan.Found;
            return BinaryStep(At(piece, a), Sub(piece, 1, a - 1), Sub(piece, a + 1, length));
        }
        if (scan.Depth != 0)
            return BracketError(scan.Depth, piece);
        return BinaryStep(At(piece, m), Sub(piece, leftFrom, leftTo), Sub(piece, m + 1, length));
    }

    // Case 2: the piece starts with an opening bracket.
    TStep SplitBracket(TPiece piece) const
    {
        const size_t length = piece.Length();
        long long level = 1;
        size_t c = 0;
        for (size_t p = 2; p <= length; ++p) {
            const char32_t ch = At(piece, p);
            if (IsOpening(ch)) {
                ++level;
            }
            else if (IsClosing(ch)) {
                if (--level == 0) {
                    c = p;
                    break;
                }
            }
        }
        if (c == 0)
            return FailureStep(TErrorKind::TooFewClosing, Position(piece, length));
        if (c == length)
            return GroupStep(Sub(piece, 2, length - 1));
        const char32_t next = At(piece, c + 1);
        if (!IsOperator(next))
            return FailureStep(TErrorKind::MissingOperator, Position(piece, c + 1));
        if (IsAdditive(next))
            return BinaryStep(next, Sub(piece, 2, c - 1), Sub(piece, c + 2, length));
        return SplitProduct(piece, c + 1, 2, c - 1);
    }

    // Case 3: the piece starts with a digit.
    TStep SplitNumber(TPiece piece) const
    {
        const size_t length = piece.Length();
        size_t e = 1;
        while (e <= length && IsDigit(At(piece, e)))
            ++e;
        if (e <= length && IsSeparator(At(piece, e))) {
            ++e;
            while (e <= length && IsDigit(At(piece, e)))
                ++e;
        }
        if (e + 1 <= length && IsExponentLetter(At(piece, e)) && IsAdditive(At(piece, e + 1))) {
            e += 2;
            while (e <= length && IsDigit(At(piece, e)))
                ++e;
        }
        const char32_t last = At(piece, e - 1);
        if (IsSeparator(last) || IsExponentLetter(last))
            return FailureStep(TErrorKind::FractionMissing, Position(piece, e - 1));
        if (e > length)
            return LeafStep(Bytes(piece));
        const char32_t next = At(piece, e);
        if (!IsOperator(next))
            return FailureStep(TErrorKind::MissingOperator, Position(piece, e));
        if (IsAdditive(next))
            return BinaryStep(next, Sub(piece, 1, e - 1), Sub(piece, e + 1, length));
        return SplitProduct(piece, e, 1, e - 1);
    }

    // Case 5: the piece starts with a minus sign.
    TStep SplitMinus(TPiece piece) const
    {
        const size_t length = piece.Length();
        const TScanResult scan = AdditiveScan(piece, 1);
        if (scan.Found != 0) {
            const size_t a = scan.Found;
            return BinaryStep(At(piece, a), Sub(piece, 1, a - 1), Sub(piece, a + 1, length));
        }
        if (scan.Depth != 0)
            return BracketError(scan.Depth, piece);
        return UnaryStep("--", Sub(piece, 2, length));
    }

    const std::string* FindFunction(TPiece name) const
    {
        for (const std::string& function : FunctionNames)
            if (BytesEqual(name, function))
                return &function;
        return nullptr;
    }

    bool IsSymbol(TPiece name) const
    {
        for (const std::string& symbol : Symbols)
            if (BytesEqual(name, symbol))
                return true;
        return false;
    }

    // Case 6: a name, matched by its shortest known prefix followed by the right character.
    TStep SplitName(TPiece piece) const
    {
        const size_t length = piece.Length();
        for (size_t k = 1; k <= length; ++k) {
            const char32_t c = At(piece, k);
            if (IsOpening(c) || IsOperator(c))
                return FailureStep(TErrorKind::UnknownName, Position(piece, k));
            const TPiece prefix = Sub(piece, 1, k);
            if (k < length && IsOpening(At(piece, k + 1))) {
                if (const std::string* function = FindFunction(prefix))
                    return SplitCall(piece, k, *function);
            }
            if ((k == length || IsOperator(At(piece, k + 1))) && IsSymbol(prefix))
                return SplitVariable(piece, k);
        }
        return FailureStep(TErrorKind::UnknownName, Position(piece, length));
    }

    // The function rule: the name ends at k, the opening bracket is at k+1.
    TStep SplitCall(TPiece piece, size_t k, const std::string& function) const
    {
        const size_t length = piece.Length();
        long long level = 1;
        size_t j = 0;
        for (size_t p = k + 2; p <= length; ++p) {
            const char32_t c = At(piece, p);
            if (IsOpening(c)) {
                ++level;
            }
            else if (IsClosing(c)) {
                --level;
            }
            else if (level == 0 && IsOperator(c)) {
                j = p;
                break;
            }
        }
        if (j == 0) { // the walk reached L
            if (level != 0)
                return BracketError(level, piece);
            return UnaryStep(function, Sub(piece, k + 2, length - 1));
        }
        const char32_t op = At(piece, j);
        if (IsAdditive(op))
            return BinaryStep(op, Sub(piece, 1, j - 1), Sub(piece, j + 1, length));
        return SplitProduct(piece, j, 1, j - 1);
    }

    // The variable rule: the name ends at k.
    TStep SplitVariable(TPiece piece, size_t k) const
    {
        const size_t length = piece.Length();
        if (k == length)
            return LeafStep(Bytes(piece));
        const char32_t op = At(piece, k + 1);
        if (IsAdditive(op))
            return BinaryStep(op, Sub(piece, 1, k), Sub(piece, k + 2, length));
        return SplitProduct(piece, k + 1, 1, k);
    }

    const std::string& Text;
    TDecodedText Decoded;
    const TSymbols& Symbols;
};

} // namespace

TParseResult ParseFormula(const std::string& text, const TSymbols& symbols)
{
    try {
        TParser parser(text, symbols);
        return parser.Run();
    }
    catch (const std::exception&) {
        // Only memory exhaustion by a text far beyond any model formula can get here; report it as
        // too complex rather than let it escape.
        TParseResult result;
        result.Error = TFormulaError{ErrorMessage(TErrorKind::TooDeep), text.empty() ? 0 : 1};
        return result;
    }
}
