#pragma once
// What a report of one evaluation is made of, drawn from the records alone, so that a report can be
// made without the main window (the command line) as well as from it.
#include "reports/report_binding.h"

class QTableWidget;

// The model typeset at the largest size from 14 down to 2 that fits the template's Formula frame
// (size 2 when none fits), followed by ",  unit" or, without a unit, a space.
QImage ReportFormulaPicture(const QString& name, const QString& formula, const std::string& unit);

// A correlation grid with the input names heading its first row and column; empty cells are 0.
TTextGrid CorrelationTexts(const QTableWidget& grid);
// The calibration data of an input: one row per standard, its reference value, then its readings.
TTextGrid CalibrationTexts(const TOrmetaTypeG& input);

// The texts the budget tab shows for a calculated evaluation.
TSummaryTexts SummaryTextsOf(const TOrmetaCalc& calc);

// Everything the report of a calculated evaluation needs; pareto may be empty.
TReportSources ReportSourcesOf(const TOrmetaCalc& calc, bool noNestedDetail, QImage pareto);
