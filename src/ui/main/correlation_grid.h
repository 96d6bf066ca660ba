#pragma once
// The correlation grid StringGrid2, the working copy of an evaluation's Correlation matrix. The
// input names are its header labels; coefficient [i][j] (inputs i and j in input order) is the item
// in row j, column i. An empty cell means 0.
#include "model/records.h"

#include <QHash>
#include <QString>

class QTableWidget;
class QWidget;

QTableWidget* CreateCorrelationGrid(QWidget* parent);
// One row and one column per input, named, with the coefficients written for editing.
void FillCorrelationGrid(QTableWidget& grid, const TOrmetaCalc& calc);
// n x n from the cells; a cell that is not a number raises EConvertError.
TMatDouble ReadCorrelationGrid(const QTableWidget& grid, int n);
void ClearCorrelationGrid(QTableWidget& grid);

// Input q joins the grid: its row and column come in at q, every other pair keeps its coefficient,
// its own cells read "0" and its diagonal "1".
void InsertCorrelationInput(QTableWidget& grid, int q, const QString& name);
// Input q leaves the grid with its row and column.
void RemoveCorrelationInput(QTableWidget& grid, int q);

// The coefficient texts of input q, keyed by the name of the other input (its own diagonal under its
// own name), so that an input moved to another place can take them along.
QHash<QString, QString> CorrelationTextsOf(const QTableWidget& grid, int q);
// Writes such texts back for input q, now named as in the grid; ownName is the name they were kept under.
void RestoreCorrelationTexts(QTableWidget& grid, int q, const QString& ownName, const QHash<QString, QString>& texts);
