#include "formula/float_errors.h"

#include "text/language.h"

#include <cmath>

EZeroDivide::EZeroDivide()
    : EMathError(Msg("Ділення на нуль.", "Деление на ноль."))
{
}

EInvalidOp::EInvalidOp()
    : EMathError(Msg("Недопустима операція з плаваючою комою (наприклад, корінь або логарифм від'ємного числа, 0/0).",
                     "Недопустимая операция с плавающей точкой (например, корень или логарифм отрицательного числа, 0/0)."))
{
}

EOverflow::EOverflow()
    : EMathError(Msg("Переповнення: результат обчислення завеликий.", "Переполнение: результат вычисления слишком велик."))
{
}

double CheckedResult(double x)
{
    if (std::isnan(x))
        throw EInvalidOp();
    if (std::isinf(x))
        throw EOverflow();
    return x;
}

double CheckedDivide(double a, double b)
{
    if (b == 0.0) {
        if (a == 0.0 || std::isnan(a))
            throw EInvalidOp();
        throw EZeroDivide();
    }
    return CheckedResult(a / b);
}

double CheckedSqrt(double x)
{
    if (x < 0.0 || std::isnan(x))
        throw EInvalidOp();
    return std::sqrt(x);
}
