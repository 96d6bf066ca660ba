#pragma once
// `ormeta calc FILE.orm [--json] [--level P] [--method auto|normal|uniform|student] [--lang uk|ru]`
#include <iosfwd>
#include <string>
#include <vector>

int RunCalcCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
