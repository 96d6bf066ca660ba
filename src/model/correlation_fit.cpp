#include "model/correlation_fit.h"

#include "model/list_operations.h"

void FitCorrelationToInputs(TOrmetaCalc& calc)
{
    const size_t n = static_cast<size_t>(CountInputs(calc));
    TMatDouble fitted(n, TArrDouble(n, 0.0));
    for (size_t i = 0; i < n && i < calc.Correlation.size(); ++i)
        for (size_t j = 0; j < n && j < calc.Correlation[i].size(); ++j)
            fitted[i][j] = calc.Correlation[i][j];
    calc.Correlation = std::move(fitted);
}
