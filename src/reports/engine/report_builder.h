#pragma once
// Lays the pages of a template out onto sheets: bands that grow with their texts and break across
// sheets, data bands walked through their data sets, cross tabs broken across and then down.
#include "reports/engine/prepared_page.h"
#include "reports/engine/report.h"

#include <map>
#include <vector>

struct TBuildContext {
    const std::map<QString, TReportDataSet>& DataSets;
    std::map<QString, int>& RecNos;
    const TBeforePrint& BeforePrint;
    const TVariableValue& VariableValue;
    QString Date; // [Date], fixed for one preparation
};

// A limit of the engine was reached (an endless data set); the message is in the current language.
class EReportLimit {
public:
    explicit EReportLimit(QString message) : Message(std::move(message)) {}
    QString Message;
};

// Appends the sheets of one template page to sheets. Exceptions of the callbacks pass through; the
// sheets prepared until then stay.
void BuildReportPage(TReportPage& page, const TBuildContext& context, std::vector<TPreparedPage>& sheets);

// Writes the page numbers and the page count into the texts that show them.
void ResolvePageNumbers(std::vector<TPreparedPage>& sheets);
