#include "app/calc_command.h"

#include "app/budget_json.h"
#include "app/budget_text.h"
#include "app/command_options.h"
#include "engine/calculation.h"
#include "files/evaluation_file.h"
#include "model/list_operations.h"
#include "text/language.h"

#include <ostream>

namespace {
// The window brings the correlation matrix to one row and column per input before it calculates;
// coefficients a damaged file lacks count as 0.
void FitCorrelationToInputs(TOrmetaCalc& calc)
{
    const size_t n = static_cast<size_t>(CountInputs(calc));
    TMatDouble fitted(n, TArrDouble(n, 0.0));
    for (size_t i = 0; i < n && i < calc.Correlation.size(); ++i)
        for (size_t j = 0; j < n && j < calc.Correlation[i].size(); ++j)
            fitted[i][j] = calc.Correlation[i][j];
    calc.Correlation = std::move(fitted);
}

std::string FailureMessage(const std::exception& failure)
{
    if (const auto* formula = dynamic_cast<const EFormula*>(&failure))
        return formula->Text;
    return failure.what();
}
} // namespace

int RunCalcCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    const TCalcOptions options = ParseCalcOptions(args);

    std::unique_ptr<TOrmetaCalc> calc;
    try {
        calc = LoadEvaluationFromFile(options.File);
    }
    catch (const std::exception& failure) {
        err << options.File << ": " << failure.what() << '\n';
        return ExitFileUnreadable;
    }

    try {
        if (calc->OutputName.empty())
            throw std::runtime_error("Помилка. У вихідної змінної в формулі моделі повинна бути назва.");
        calc->ConfidenceLevel = options.Level;
        calc->CoverageMethod = options.Method;
        FitCorrelationToInputs(*calc);
        CalcEvaluation(*calc, options.DecimalSeparator);
    }
    catch (const std::exception& failure) {
        err << FailureMessage(failure) << '\n';
        return ExitNotCalculable;
    }

    if (options.Json)
        out << BudgetJson(*calc).dump(2) << '\n';
    else
        PrintBudgetText(*calc, out);
    return ExitSuccess;
}
