#pragma once
// The bars of the Pareto chart of an evaluation: one per input, largest contribution first.
#include "model/records.h"

#include <QColor>
#include <QString>

#include <vector>

struct TParetoBar {
    QString Label;  // the first 50 characters of the input's name
    double Value = 0; // percent of the total contribution
    QColor Color;   // by position after sorting
    QString Mark;   // the bar's share of all bars, "##0.## %"; "-" when there is nothing to share
};

// The colour of the bar at position i (0-based) after sorting.
QColor ParetoBarColor(int position);

// Contributions |sensitivity × standard uncertainty| of the inputs in input order, sorted by a bubble
// sort that never swaps equal values, as percentages of totalContribution. A total of 0 gives bars of
// height 0 marked "-" instead of a division by zero.
std::vector<TParetoBar> ParetoBars(const TOrmetaCalc& calc, double totalContribution);
