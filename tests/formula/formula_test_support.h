#pragma once
// Helpers shared by the formula tests.
#include "formula/parser.h"
#include "text/language.h"

#include <string>

// A tree as a bracketed string: a leaf is its text, a unary node "text(operand)", a binary node
// "(left op right)". «a-b-c» gives "(a-(b-c))", «-a*b» gives "--((a*b))".
inline std::string TreeText(const TNode& node)
{
    if (!node.Left && !node.Right)
        return node.Text;
    if (!node.Right)
        return node.Text + "(" + TreeText(*node.Left) + ")";
    if (!node.Left)
        return "<broken " + node.Text + ">";
    return "(" + TreeText(*node.Left) + node.Text + TreeText(*node.Right) + ")";
}

// Sets the language flag for one test and restores it afterwards.
class TLanguageGuard {
  public:
    explicit TLanguageGuard(bool ukrainian) : Saved(IsUkrainian) { IsUkrainian = ukrainian; }
    ~TLanguageGuard() { IsUkrainian = Saved; }
    TLanguageGuard(const TLanguageGuard&) = delete;
    TLanguageGuard& operator=(const TLanguageGuard&) = delete;

  private:
    bool Saved;
};

// The six messages of the parser (and our depth message), Ukrainian and Russian.
struct TMessagePair {
    const char* Ukrainian;
    const char* Russian;
};
inline constexpr TMessagePair NoOperands{"Немає операндів", "Нет операндов"};
inline constexpr TMessagePair TooFewOpening{"Не достатньо відкриваючих дужок", "Недостаточно открывающих скобок"};
inline constexpr TMessagePair TooFewClosing{"Не достатньо закриваючих дужок", "Недостаточно закрывающих скобок"};
inline constexpr TMessagePair FractionMissing{"Дробна частина на вказана", "Дробная часть не указана"};
inline constexpr TMessagePair MissingOperator{"Не вистачає оператора", "Не хватает оператора"};
inline constexpr TMessagePair UnknownName{"Знайдено не визначений ідентифікатор(змінну)",
                                          "Найден неизвестный идентификатор(переменная)"};
inline constexpr TMessagePair TooDeep{"Формула занадто складна: вкладеність перевищує 2000 рівнів",
                                      "Формула слишком сложна: вложенность превышает 2000 уровней"};
