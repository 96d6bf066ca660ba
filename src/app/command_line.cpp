#include "app/command_line.h"

#include "app/calc_command.h"
#include "app/command_options.h"
#include "text/convert_error.h"
#include "text/language.h"
#include "text/number_format.h"
#include "text/settings.h"

#include <clocale>
#include <filesystem>
#include <iostream>

namespace {
// The settings file lies beside the executable, as for the window program.
void UseSettingsBesideExecutable(const char* argv0)
{
    std::error_code error;
    std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error)
        executable = std::filesystem::absolute(argv0, error);
    SetSettingsFilePath(SettingsPathForExecutable(executable.string()));
}

// Numbers are shown with the separators of the user's regional settings.
void UseRegionalSeparators()
{
    std::setlocale(LC_NUMERIC, "");
    const std::lconv* conventions = std::localeconv();
    TRegionalSeparators separators;
    if (conventions && conventions->decimal_point && *conventions->decimal_point)
        separators.Decimal = conventions->decimal_point;
    if (conventions && conventions->thousands_sep && *conventions->thousands_sep)
        separators.Thousands = conventions->thousands_sep;
    SetRegionalSeparators(separators);
    // The core converts numbers itself; keep the C library's own conversions predictable.
    std::setlocale(LC_NUMERIC, "C");
}
} // namespace

int RunCommandLine(int argc, char** argv)
{
    UseSettingsBesideExecutable(argv[0]);
    IsUkrainian = ReadSettingString("Language", "Lang", "Ukrainian") != "Russian";
    UseRegionalSeparators();

    const std::string command = argv[1];
    const std::vector<std::string> args(argv + 2, argv + argc);
    try {
        if (command == "calc")
            return RunCalcCommand(args, std::cout, std::cerr);
        if (command == "--help" || command == "-h" || command == "help") {
            std::cout << UsageText();
            return ExitSuccess;
        }
        throw EUsage(Msg("Невідома команда: " + command, "Неизвестная команда: " + command));
    }
    catch (const EUsage& usage) {
        std::cerr << usage.what() << "\n\n" << UsageText();
        return ExitUsage;
    }
    catch (const EConvertError& bad) {
        std::cerr << bad.what() << "\n\n" << UsageText();
        return ExitUsage;
    }
}
