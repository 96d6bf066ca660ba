#include "app/calc_command.h"

#include "app/budget_json.h"
#include "app/budget_text.h"
#include "engine/calculation.h"
#include "files/evaluation_file.h"
#include "model/correlation_fit.h"
#include "text/language.h"

#include <ostream>

void CalculateLoadedEvaluation(TOrmetaCalc& calc, double level, uint8_t method, char decimalSeparator)
{
    if (calc.OutputName.empty())
        throw std::runtime_error("Помилка. У вихідної змінної в формулі моделі повинна бути назва.");
    calc.ConfidenceLevel = level;
    calc.CoverageMethod = method;
    FitCorrelationToInputs(calc);
    CalcEvaluation(calc, decimalSeparator);
}

std::string CalculationFailureText(const std::exception& failure)
{
    if (const auto* formula = dynamic_cast<const EFormula*>(&failure))
        return formula->Text;
    return failure.what();
}

int LoadAndCalculate(const TCalcOptions& options, std::ostream& err, std::unique_ptr<TOrmetaCalc>& calc)
{
    try {
        calc = LoadEvaluationFromFile(options.File);
    }
    catch (const std::exception& failure) {
        err << options.File << ": " << failure.what() << '\n';
        return ExitFileUnreadable;
    }
    try {
        CalculateLoadedEvaluation(*calc, options.Level, options.Method, options.DecimalSeparator);
    }
    catch (const std::exception& failure) {
        err << CalculationFailureText(failure) << '\n';
        return ExitNotCalculable;
    }
    return ExitSuccess;
}

int RunCalcCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    const TCalcOptions options = ParseCalcOptions(args);
    std::unique_ptr<TOrmetaCalc> calc;
    if (const int status = LoadAndCalculate(options, err, calc); status != ExitSuccess)
        return status;
    if (options.Json)
        out << BudgetJson(*calc).dump(2) << '\n';
    else
        PrintBudgetText(*calc, out);
    return ExitSuccess;
}
