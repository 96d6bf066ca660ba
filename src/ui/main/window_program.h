#pragma once
// Starts the window program: application set-up, language, the main window, the event loop.
int RunWindowProgram(int argc, char** argv);
