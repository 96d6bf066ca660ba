#pragma once
// The headless sub-commands of ormeta (`calc`, `report`). Exit status: 0 success, 1 the evaluation
// cannot be calculated, 2 wrong arguments, 3 the file cannot be read.
int RunCommandLine(int argc, char** argv);
