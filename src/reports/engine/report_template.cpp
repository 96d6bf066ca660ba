#include "reports/engine/report_template.h"

#include <algorithm>

void TReportCrossTab::SetCell(int row, int column, const QString& text)
{
    if (row < 0 || column < 0)
        return;
    if (row >= RowCount())
        Cells.resize(static_cast<size_t>(row) + 1);
    auto& cells = Cells[static_cast<size_t>(row)];
    if (column >= static_cast<int>(cells.size()))
        cells.resize(static_cast<size_t>(column) + 1);
    cells[static_cast<size_t>(column)] = text;
}

int TReportCrossTab::ColumnCount() const
{
    size_t count = 0;
    for (const auto& row : Cells)
        count = std::max(count, row.size());
    return static_cast<int>(count);
}

QString TReportCrossTab::Cell(int row, int column) const
{
    if (row < 0 || row >= RowCount() || column < 0)
        return {};
    const auto& cells = Cells[static_cast<size_t>(row)];
    return column < static_cast<int>(cells.size()) ? cells[static_cast<size_t>(column)] : QString();
}
