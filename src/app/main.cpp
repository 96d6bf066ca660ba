// The ormeta executable: with a sub-command it runs headless, without one it opens the window.
#include "app/command_line.h"
#include "ui/main/window_program.h"

int main(int argc, char** argv)
{
    if (argc > 1)
        return RunCommandLine(argc, argv);
    return RunWindowProgram(argc, argv);
}
