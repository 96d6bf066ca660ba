// The ormeta executable: with a sub-command it runs headless, without one it opens the window.
#include "app/command_line.h"
#include "reports/report_cli/report_command_line.h"
#include "ui/main/window_program.h"

#include <string_view>

int main(int argc, char** argv)
{
    // The report needs the report engine, which the Qt-free command-line library does not have.
    if (argc > 1 && std::string_view(argv[1]) == "report")
        return RunReportCommand(argc, argv);
    if (argc > 1)
        return RunCommandLine(argc, argv);
    return RunWindowProgram(argc, argv);
}
