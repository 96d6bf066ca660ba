#include "ui/dialogs/observation_grid.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr int kMaxSquareLayout = 100;
constexpr int kScrollingPairs = 5;
constexpr int kScrollingVisibleRows = 20;
} // namespace

TObservationGridLayout ObservationGridLayout(int n)
{
    n = std::max(n, 1);
    if (n > kMaxSquareLayout) {
        const int rows = (n + kScrollingPairs - 1) / kScrollingPairs;
        return {kScrollingPairs, rows, kScrollingVisibleRows};
    }
    int rows = static_cast<int>(2 * std::sqrt(static_cast<double>(n)));
    const int pairs = std::max(n / rows, 1);
    while (n >= pairs * rows)
        ++rows;
    return {pairs, rows, rows};
}

TGridCell ObservationLabelCell(int k, int rows)
{
    return {k % rows, 2 * (k / rows)};
}

bool IsSelectableObservationCell(int column, bool labelEmpty)
{
    return column % 2 == 1 && !labelEmpty;
}
