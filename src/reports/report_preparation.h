#pragma once
// The steps of the report shared by the window's command and the command line: a template from a
// folder, bound to one evaluation, its pages chosen, its fixed texts in the current language,
// prepared. Failures are shown through ShowMessage over the report's message parent.
#include "reports/report_binding.h"

// The print options: the input cards, the nested evaluations appended in detail, the Pareto page.
struct TReportParts {
    bool Sources = true;
    bool Nested = false;
    bool Pareto = true;
};

inline constexpr char kMainTemplate[] = "data_report1.fr3";
inline constexpr char kNestedTemplate[] = "data_report2.fr3";

// The report of the evaluation of sources from folder's main template, in place of any prepared
// before. False when the template is missing or damaged (no page is prepared then).
bool PrepareEvaluationReport(TReport& report, const QString& folder, const TReportSources& sources,
                             const TReportParts& parts);

// The report of nested evaluation number index of the evaluation reported, from the nested template,
// appended: every card page it has, no Pareto page, the heading of the nested part only for the first.
bool AppendNestedReport(TReport& report, const QString& folder, const TReportSources& sources, size_t index);
