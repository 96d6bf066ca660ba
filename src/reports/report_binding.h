#pragma once
// Ties a loaded report template to one evaluation: the fields filled once per report, the data sets
// of the cards, observation and budget rows, the two cross tabs, the pictures and the variables.
//
// The report command, per evaluation reported:
//   report.LoadFromFile(folder + "data_report1.fr3");
//   BindEvaluationReport(report, sources);            // sources live until Prepare returns
//   SetReportPages(report, calc, cSources, cPareto);
//   if (!IsUkrainian) TranslateReportTexts(report);
//   report.Prepare(appending);
#include "reports/engine/report.h"
#include "reports/feeds/report_feeds.h"

#include <QImage>
#include <QString>

#include <functional>
#include <vector>

using TTextGrid = std::vector<std::vector<QString>>; // rows of cells

struct TReportSources {
    const TOrmetaCalc* Calc = nullptr; // the evaluation reported
    double TotalContribution = 0;
    TSummaryTexts Summary;
    std::string FormulaText;  // the right-hand side of the model as typed
    bool NoNestedDetail = true;
    QImage Formula;           // the typeset model
    QImage Pareto;            // the Pareto chart; none leaves the picture empty
    TTextGrid Correlation;    // the correlation grid as shown
    // The calibration-data grid of a calibration input as the input editor shows it.
    std::function<TTextGrid(const TOrmetaTypeG&)> CalibrationGrid;
};

// Writes the summary fields and pictures now and binds the data sets, cross tabs and variables.
// Type A and Type B inputs that IsPrintedSource rejects get no card at all. A field the template
// lacks throws std::runtime_error naming it (while preparing, the engine reports it).
void BindEvaluationReport(TReport& report, const TReportSources& sources);

// Hides the card pages of the kinds of input the evaluation lacks, the card pages unless
// printSources, and the Pareto page unless printPareto.
void SetReportPages(TReport& report, const TOrmetaCalc& calc, bool printSources, bool printPareto);

// Replaces the template's Ukrainian fixed texts by the Russian ones.
void TranslateReportTexts(TReport& report);
