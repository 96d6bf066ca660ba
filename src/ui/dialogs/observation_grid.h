#pragma once
// The observation grid: pairs of columns, a label column with the observation's number (1-based) and a
// value column with its value; the observations run down the first pair, then down the next.

// Rows and column pairs for a number of observations, and how many rows the window shows at once.
struct TObservationGridLayout {
    int Pairs = 1;
    int Rows = 2;
    int VisibleRows = 2;
};

// Layout for n observations. Up to 100 the pairs and rows grow with sqrt(n) and always leave room
// after the last observation; above 100 five pairs scroll under 20 visible rows. n < 1 (never
// asked for by the input editor, whose check keeps n at 1 or more) is laid out as n = 1.
TObservationGridLayout ObservationGridLayout(int n);

// Grid coordinates of a cell.
struct TGridCell {
    int Row = 0;
    int Column = 0;
    bool operator==(const TGridCell&) const = default;
};

// The label cell of observation k (0-based) in a grid of the given number of rows; the value cell is the
// next column.
TGridCell ObservationLabelCell(int k, int rows);

// Only the value cell of an existing observation can be selected: an odd column whose left neighbour,
// the label, is not empty. Labels themselves can never be selected.
bool IsSelectableObservationCell(int column, bool labelEmpty);
