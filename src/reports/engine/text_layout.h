#pragma once
// Line breaking of report texts, shared by the layout (to size fields) and the painter (to draw them),
// so that what was measured is what is printed on every device. Works in hundredths of a millimetre
// with design metrics, independent of any screen or printer resolution.
#include "reports/engine/report_template.h"

#include <QFont>
#include <QString>

#include <vector>

class QPainter;
struct TPreparedText;

inline constexpr double kLayoutUnitsPerMm = 100.0;

// The font sized in layout units (1 unit = 0.01 mm).
QFont LayoutFont(const TReportFont& font);

struct TTextLine {
    int Start = 0;  // position in the text
    int Length = 0;
    double Top = 0; // mm from the top of the first line
    double Height = 0;
    double Width = 0; // natural width, mm
};

// Breaks text into lines no wider than width mm (when wrap); line breaks in the text are kept.
std::vector<TTextLine> BreakTextLines(const QString& text, const TReportFont& font, double width, bool wrap);
// Height of the lines together, mm.
double LinesHeight(const std::vector<TTextLine>& lines);
// The widest line, mm.
double LinesWidth(const std::vector<TTextLine>& lines);

// Draws the text of a prepared field (not its frame); the painter works in layout units.
void DrawPreparedText(QPainter& painter, const TPreparedText& text);
