#include "app/command_options.h"

#include "text/language.h"
#include "text/number_format.h"

#include <cctype>

char SystemDecimalSeparator()
{
    return RegionalSeparators().Decimal == "," ? ',' : '.';
}

namespace {

const std::string& ValueAfter(const std::vector<std::string>& args, size_t& i)
{
    if (i + 1 >= args.size())
        throw EUsage(Msg("Після " + args[i] + " потрібне значення.", "После " + args[i] + " нужно значение."));
    return args[++i];
}

uint8_t MethodCode(const std::string& name)
{
    if (name == "auto")
        return 0;
    if (name == "normal")
        return 1;
    if (name == "uniform")
        return 5;
    if (name == "student")
        return 6;
    throw EUsage(Msg("Невідомий метод: " + name + " (auto, normal, uniform, student).",
                     "Неизвестный метод: " + name + " (auto, normal, uniform, student)."));
}

double LevelValue(const std::string& text)
{
    const double level = ParseNumber(text);
    if (!(level > 0 && level < 1))
        throw EUsage(Msg("Значення рівня довіри повинне бути від 0 до 1!", "Значения уровня доверия должно быть от 0 до 1!"));
    return level;
}
// Anything that is not an option names the evaluation file, once.
void TakeFileArgument(const std::string& arg, std::string& file)
{
    if (!arg.empty() && arg[0] == '-')
        throw EUsage(Msg("Невідомий параметр: " + arg, "Неизвестный параметр: " + arg));
    if (!file.empty())
        throw EUsage(Msg("Зайвий аргумент: " + arg, "Лишний аргумент: " + arg));
    file = arg;
}

void RequireFile(const std::string& file)
{
    if (file.empty())
        throw EUsage(Msg("Не вказано файл оцінювання.", "Не указан файл оценивания."));
}
} // namespace

void ApplyLanguageOption(const std::string& value)
{
    if (value == "uk")
        IsUkrainian = true;
    else if (value == "ru")
        IsUkrainian = false;
    else
        throw EUsage(Msg("Мова: uk або ru.", "Язык: uk или ru."));
}

TCalcOptions ParseCalcOptions(const std::vector<std::string>& args)
{
    TCalcOptions options;
    options.DecimalSeparator = SystemDecimalSeparator();
    // The language comes first so that every later message is in it.
    for (size_t i = 0; i + 1 < args.size(); ++i)
        if (args[i] == "--lang")
            ApplyLanguageOption(args[i + 1]);
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--json")
            options.Json = true;
        else if (arg == "--level")
            options.Level = LevelValue(ValueAfter(args, i));
        else if (arg == "--method")
            options.Method = MethodCode(ValueAfter(args, i));
        else if (arg == "--lang")
            ValueAfter(args, i);
        else
            TakeFileArgument(arg, options.File);
    }
    RequireFile(options.File);
    return options;
}

namespace {
TReportFormat FormatOf(const std::string& path)
{
    const size_t dot = path.rfind('.');
    std::string extension = dot == std::string::npos ? std::string() : path.substr(dot + 1);
    for (char& c : extension)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (extension == "pdf")
        return TReportFormat::Pdf;
    if (extension == "rtf")
        return TReportFormat::Rtf;
    throw EUsage(Msg("Звіт записується у файл .pdf або .rtf: " + path, "Отчет записывается в файл .pdf или .rtf: " + path));
}
} // namespace

TReportOptions ParseReportOptions(const std::vector<std::string>& args)
{
    TReportOptions options;
    for (size_t i = 0; i + 1 < args.size(); ++i)
        if (args[i] == "--lang")
            ApplyLanguageOption(args[i + 1]);
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "-o")
            options.Output = ValueAfter(args, i);
        else if (arg == "--no-sources")
            options.Sources = false;
        else if (arg == "--nested")
            options.Nested = true;
        else if (arg == "--no-pareto")
            options.Pareto = false;
        else if (arg == "--lang")
            ValueAfter(args, i);
        else
            TakeFileArgument(arg, options.File);
    }
    RequireFile(options.File);
    if (options.Output.empty())
        throw EUsage(Msg("Не вказано файл звіту (-o).", "Не указан файл отчета (-o)."));
    options.Format = FormatOf(options.Output);
    return options;
}

std::string UsageText()
{
    return Msg("Використання:\n"
               "  ormeta                      відкрити вікно програми\n"
               "  ormeta calc FILE.orm [--json] [--level P] [--method auto|normal|uniform|student] [--lang uk|ru]\n"
               "                              розрахувати оцінювання з файлу і вивести бюджет невизначеності\n"
               "  ormeta report FILE.orm -o OUT.pdf|OUT.rtf [--lang uk|ru] [--no-sources] [--nested] [--no-pareto]\n"
               "                              записати звіт про оцінювання у PDF або RTF (без карток джерел,\n"
               "                              з вкладеними оцінюваннями, без діаграми Парето)\n"
               "Код завершення: 0 успіх, 1 не вдалося розрахувати або створити чи записати звіт,\n"
               "2 хибні аргументи, 3 файл не прочитано.\n",
               "Использование:\n"
               "  ormeta                      открыть окно программы\n"
               "  ormeta calc FILE.orm [--json] [--level P] [--method auto|normal|uniform|student] [--lang uk|ru]\n"
               "                              рассчитать оценивание из файла и вывести бюджет неопределенности\n"
               "  ormeta report FILE.orm -o OUT.pdf|OUT.rtf [--lang uk|ru] [--no-sources] [--nested] [--no-pareto]\n"
               "                              записать отчет об оценивании в PDF или RTF (без карточек источников,\n"
               "                              с вложенными оцениваниями, без диаграммы Парето)\n"
               "Код завершения: 0 успех, 1 не удалось рассчитать или создать либо записать отчет,\n"
               "2 неверные аргументы, 3 файл не прочитан.\n");
}
