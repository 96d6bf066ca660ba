#pragma once
// One band laid out: its fields sized to their texts, moved down below the fields that grew, and the
// band's height. Also the cut of a laid band that is taller than a sheet into two parts.
#include "reports/engine/prepared_page.h"
#include "reports/engine/report_builder.h"

#include <vector>

struct TLaidCrossTab {
    const TReportCrossTab* Table = nullptr;
    double Left = 0;
    double Top = 0; // from the top of the band
};

// Positions are millimetres from the band's top-left corner.
struct TLaidBlock {
    double Height = 0;
    std::vector<TPreparedText> Texts;
    std::vector<TPreparedImage> Images;
    std::vector<TLaidCrossTab> CrossTabs;
};

// Calls the before-print callback for each object, then lays the visible ones out across width mm.
TLaidBlock LayObjects(const std::vector<std::unique_ptr<TReportObject>>& objects, double width,
                      const TBuildContext& context);
// A band: its objects, and its height grown to them when the band grows.
TLaidBlock LayBand(TReportBand& band, double width, const TBuildContext& context);

// Expands [Date] and [Variable] expressions; [Page#] and [TotalPages#] are kept and reported.
QString ExpandExpressions(const QString& text, const TBuildContext& context, bool& hasPageNumbers);

// Cuts block at most at cut mm, between lines of text and above pictures where possible. The head
// holds what lies above the cut, the tail the rest from its own top. The head is never empty of height.
std::pair<TLaidBlock, TLaidBlock> SplitBlock(const TLaidBlock& block, double cut);
