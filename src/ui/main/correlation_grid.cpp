#include "ui/main/correlation_grid.h"

#include "model/input_order.h"
#include "text/editing_number.h"
#include "text/number_format.h"
#include "ui/common/text_convert.h"

#include <QHeaderView>
#include <QTableWidget>

QTableWidget* CreateCorrelationGrid(QWidget* parent)
{
    auto* grid = new QTableWidget(parent);
    grid->setObjectName(QStringLiteral("StringGrid2"));
    // Coefficients change only through the correlation tab's controls and the input commands.
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->horizontalHeader()->setSectionsMovable(false);
    grid->verticalHeader()->setSectionsMovable(false);
    grid->horizontalHeader()->setMinimumSectionSize(60);
    grid->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    return grid;
}

void ClearCorrelationGrid(QTableWidget& grid)
{
    grid.clear();
    grid.setRowCount(0);
    grid.setColumnCount(0);
}

void FillCorrelationGrid(QTableWidget& grid, const TOrmetaCalc& calc)
{
    ClearCorrelationGrid(grid);
    const std::vector<InputView> inputs = InputsInOrder(calc);
    const int n = static_cast<int>(inputs.size());
    grid.setRowCount(n);
    grid.setColumnCount(n);
    QStringList names;
    for (const InputView& input : inputs)
        names << ToQt(input.Name());
    grid.setHorizontalHeaderLabels(names);
    grid.setVerticalHeaderLabels(names);
    for (int i = 0; i < n && i < static_cast<int>(calc.Correlation.size()); ++i) {
        const TArrDouble& row = calc.Correlation[i];
        for (int j = 0; j < n && j < static_cast<int>(row.size()); ++j)
            grid.setItem(j, i, new QTableWidgetItem(ToQt(FormatForEditing(row[j]))));
    }
}

TMatDouble ReadCorrelationGrid(const QTableWidget& grid, int n)
{
    TMatDouble matrix(n, TArrDouble(n, 0.0));
    for (int i = 0; i < n; ++i) {
        for (int j = 0; j < n; ++j) {
            const QTableWidgetItem* cell = grid.item(j, i);
            if (cell && !cell->text().isEmpty())
                matrix[i][j] = ParseNumber(ToStd(cell->text()));
        }
    }
    return matrix;
}

namespace {
QString HeaderName(const QTableWidget& grid, int k)
{
    const QTableWidgetItem* header = grid.horizontalHeaderItem(k);
    return header ? header->text() : QString();
}

void SetCoefficientPair(QTableWidget& grid, int p, int q, const QString& text)
{
    grid.setItem(q, p, new QTableWidgetItem(text));
    grid.setItem(p, q, new QTableWidgetItem(text));
}
} // namespace

void InsertCorrelationInput(QTableWidget& grid, int q, const QString& name)
{
    grid.insertRow(q);
    grid.insertColumn(q);
    grid.setHorizontalHeaderItem(q, new QTableWidgetItem(name));
    grid.setVerticalHeaderItem(q, new QTableWidgetItem(name));
    for (int p = 0; p < grid.rowCount(); ++p)
        SetCoefficientPair(grid, p, q, QStringLiteral("0"));
    grid.setItem(q, q, new QTableWidgetItem(QStringLiteral("1")));
}

void RemoveCorrelationInput(QTableWidget& grid, int q)
{
    grid.removeRow(q);
    grid.removeColumn(q);
}

QHash<QString, QString> CorrelationTextsOf(const QTableWidget& grid, int q)
{
    QHash<QString, QString> texts;
    for (int p = 0; p < grid.columnCount(); ++p) {
        const QTableWidgetItem* cell = grid.item(p, q);
        texts.insert(HeaderName(grid, p), cell ? cell->text() : QString());
    }
    return texts;
}

void RestoreCorrelationTexts(QTableWidget& grid, int q, const QString& ownName, const QHash<QString, QString>& texts)
{
    for (int p = 0; p < grid.columnCount(); ++p) {
        const QString key = p == q ? ownName : HeaderName(grid, p);
        const auto kept = texts.constFind(key);
        if (kept != texts.constEnd())
            SetCoefficientPair(grid, p, q, *kept);
    }
}
