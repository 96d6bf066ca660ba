#include "engine/combined_variance.h"

#include "model/input_order.h"
#include "model/list_operations.h"

#include <array>
#include <vector>

namespace {

// R[i][j] where the matrix has it; a matrix that does not fit its inputs (a damaged file) leaves 0.
double CorrelationAt(const TMatDouble& r, size_t i, size_t j)
{
    if (i < r.size() && j < r[i].size())
        return r[i][j];
    return 0;
}

} // namespace

double CombinedVariance(const TOrmetaCalc& calc)
{
    std::vector<double> contribution;
    for (const InputView& input : InputsInOrder(calc))
        contribution.push_back(input.Sensitivity() * input.StdUncertainty());

    double v = 0;
    for (double y : contribution)
        v = v + y * y;

    // Where each input-order group ends: Type A, Type B, nested, calibration.
    const size_t a = CountTypeA(calc);
    const size_t b = a + CountTypeB(calc);
    const size_t n = b + CountNested(calc);
    const std::array<size_t, 4> groupEnd{a, b, n, contribution.size()};
    const auto pair = [&](size_t i, size_t j) {
        v = v + 2 * contribution[i] * contribution[j] * CorrelationAt(calc.Correlation, i, j);
    };
    size_t groupStart = 0;
    for (size_t end : groupEnd) {
        for (size_t i = groupStart; i < end; ++i)
            for (size_t j = i + 1; j < end; ++j)
                pair(i, j);
        for (size_t i = groupStart; i < end; ++i)
            for (size_t j = end; j < contribution.size(); ++j)
                pair(i, j);
        groupStart = end;
    }
    return v;
}
