#pragma once
// `ormeta calc FILE.orm [--json] [--level P] [--method auto|normal|uniform|student] [--lang uk|ru]`
#include "app/command_options.h"
#include "model/records.h"

#include <exception>
#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

int RunCalcCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// Calculates an evaluation read from a file as the window does: the output needs a name, the level
// and method are those given, the correlation matrix is fitted to the inputs. Raises what
// CalcEvaluation raises.
void CalculateLoadedEvaluation(TOrmetaCalc& calc, double level, uint8_t method, char decimalSeparator);
// Reads options.File and calculates it with CalculateLoadedEvaluation. A failure is written to err and
// its exit status returned (ExitFileUnreadable, ExitNotCalculable); ExitSuccess leaves the result in calc.
int LoadAndCalculate(const TCalcOptions& options, std::ostream& err, std::unique_ptr<TOrmetaCalc>& calc);
// The message of a failed calculation as the window shows it.
std::string CalculationFailureText(const std::exception& failure);
