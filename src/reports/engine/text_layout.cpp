#include "reports/engine/text_layout.h"

#include "reports/engine/prepared_page.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QTextLayout>

#include <algorithm>
#include <cmath>

namespace {

constexpr double kUnlimitedWidth = 1e8; // layout units: a line that is not wrapped

QTextOption LayoutOption(bool wrap)
{
    QTextOption option;
    option.setWrapMode(wrap ? QTextOption::WrapAtWordBoundaryOrAnywhere : QTextOption::NoWrap);
    option.setUseDesignMetrics(true);
    return option;
}

// Lines of one paragraph (text without line breaks) starting at offset in the whole text.
void BreakParagraph(const QString& paragraph, int offset, const QFont& font, double width, bool wrap,
                    std::vector<TTextLine>& lines, double& top)
{
    const double unitsToMm = 1.0 / kLayoutUnitsPerMm;
    if (paragraph.isEmpty()) {
        const double height = QFontMetricsF(font).height() * unitsToMm;
        lines.push_back({offset, 0, top, height, 0});
        top += height;
        return;
    }
    QTextLayout layout(paragraph, font);
    layout.setTextOption(LayoutOption(wrap));
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(wrap ? std::max(width, 0.0) * kLayoutUnitsPerMm : kUnlimitedWidth);
        const double height = line.height() * unitsToMm;
        lines.push_back({offset + line.textStart(), line.textLength(), top, height, line.naturalTextWidth() * unitsToMm});
        top += height;
    }
    layout.endLayout();
}

} // namespace

QFont LayoutFont(const TReportFont& font)
{
    QFont result(font.Family);
    result.setPixelSize(std::max(1, static_cast<int>(std::lround(font.Size * 25.4 / 72.0 * kLayoutUnitsPerMm))));
    result.setBold(font.Bold);
    result.setItalic(font.Italic);
    result.setUnderline(font.Underline);
    result.setHintingPreference(QFont::PreferNoHinting);
    return result;
}

std::vector<TTextLine> BreakTextLines(const QString& text, const TReportFont& font, double width, bool wrap)
{
    const QFont layoutFont = LayoutFont(font);
    std::vector<TTextLine> lines;
    double top = 0;
    int start = 0;
    for (int i = 0; i <= text.size(); ++i) {
        const bool end = i == text.size();
        if (!end && text[i] != u'\n' && text[i] != u'\r')
            continue;
        BreakParagraph(text.mid(start, i - start), start, layoutFont, width, wrap, lines, top);
        if (!end && text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    return lines;
}

double LinesHeight(const std::vector<TTextLine>& lines)
{
    return lines.empty() ? 0 : lines.back().Top + lines.back().Height;
}

double LinesWidth(const std::vector<TTextLine>& lines)
{
    double width = 0;
    for (const auto& line : lines)
        width = std::max(width, line.Width);
    return width;
}

void DrawPreparedText(QPainter& painter, const TPreparedText& text)
{
    if (text.Text.isEmpty())
        return;
    const double gapY = text.Gap / 2;
    const QRectF inner = text.Rect.adjusted(text.Gap, gapY, -text.Gap, -gapY);
    const auto lines = BreakTextLines(text.Text, text.Font, inner.width(), text.WordWrap);
    const double height = LinesHeight(lines);
    double y = inner.top();
    if (text.VAlign == TVertAlign::Middle)
        y += (inner.height() - height) / 2;
    else if (text.VAlign == TVertAlign::Bottom)
        y += inner.height() - height;

    const bool overflows = height > inner.height() + 0.01 || LinesWidth(lines) > inner.width() + 0.01;
    painter.save();
    if (overflows)
        painter.setClipRect(QRectF(text.Rect.topLeft() * kLayoutUnitsPerMm, text.Rect.size() * kLayoutUnitsPerMm),
                            Qt::IntersectClip);
    const QFont font = LayoutFont(text.Font);
    for (const auto& line : lines) {
        if (line.Length == 0)
            continue;
        double x = inner.left();
        if (text.HAlign == THorzAlign::Center)
            x += (inner.width() - line.Width) / 2;
        else if (text.HAlign == THorzAlign::Right)
            x += inner.width() - line.Width;
        QTextLayout layout(text.Text.mid(line.Start, line.Length), font);
        layout.setTextOption(LayoutOption(false));
        layout.beginLayout();
        layout.createLine();
        layout.endLayout();
        layout.draw(&painter, QPointF(x, y + line.Top) * kLayoutUnitsPerMm);
    }
    painter.restore();
}
