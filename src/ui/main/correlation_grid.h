#pragma once
// The correlation grid StringGrid2, the working copy of an evaluation's Correlation matrix. The
// input names are its header labels; coefficient [i][j] (inputs i and j in input order) is the item
// in row j, column i. An empty cell means 0.
#include "model/records.h"

class QTableWidget;
class QWidget;

QTableWidget* CreateCorrelationGrid(QWidget* parent);
// One row and one column per input, named, with the coefficients written for editing.
void FillCorrelationGrid(QTableWidget& grid, const TOrmetaCalc& calc);
// n x n from the cells; a cell that is not a number raises EConvertError.
TMatDouble ReadCorrelationGrid(const QTableWidget& grid, int n);
void ClearCorrelationGrid(QTableWidget& grid);
