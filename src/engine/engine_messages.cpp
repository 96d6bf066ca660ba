#include "engine/engine_messages.h"

#include "engine/coverage.h"
#include "text/language.h"
#include "text/number_format.h"

std::string EvaluationFailure(const TOrmetaCalc& calc, const std::string& reason)
{
    return Msg("Оцінювання «", "Оценивание «") + calc.OutputName + "»: " + reason;
}

std::string LevelOutOfRangeText()
{
    return Msg("рівень довіри має бути більшим за 0 і меншим за 1.",
               "уровень доверия должен быть больше 0 и меньше 1.");
}

std::string StudentLevelTooHighText()
{
    const std::string limit = FormatNumber(MaxStudentLevel, TNumberFormat{0, 15, 1}, RegionalSeparators());
    return Msg("для розподілу Стюдента рівень довіри не може перевищувати " + limit + ".",
               "для распределения Стюдента уровень доверия не может превышать " + limit + ".");
}

std::string LevelNotReachedText()
{
    return Msg("інтегрування густини розподілу не досягло рівня довіри.",
               "интегрирование плотности распределения не достигло уровня доверия.");
}

std::string NonPositiveDofText()
{
    return Msg("кількість ступенів свободи має бути додатною.", "число степеней свободы должно быть положительным.");
}

std::string UnknownMethodText(int code)
{
    return Msg("невідомий спосіб визначення коефіцієнта охоплення (код " + std::to_string(code) + ").",
               "неизвестный способ определения коэффициента охвата (код " + std::to_string(code) + ").");
}
