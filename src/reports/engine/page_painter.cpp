#include "reports/engine/page_painter.h"

#include "reports/engine/text_layout.h"

#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPrinter>

#include <algorithm>

namespace {

// Frame sides of rect (layout units); the pen is never thinner than one device pixel.
void DrawFrame(QPainter& painter, const QRectF& rect, uint8_t sides, double width, double minimum)
{
    if (sides == FrameNone)
        return;
    QPen pen(Qt::black, std::max(width * kLayoutUnitsPerMm, minimum));
    pen.setCapStyle(Qt::SquareCap);
    painter.setPen(pen);
    const QRectF r(rect.topLeft() * kLayoutUnitsPerMm, rect.size() * kLayoutUnitsPerMm);
    if (sides & FrameLeft)
        painter.drawLine(r.topLeft(), r.bottomLeft());
    if (sides & FrameTop)
        painter.drawLine(r.topLeft(), r.topRight());
    if (sides & FrameRight)
        painter.drawLine(r.topRight(), r.bottomRight());
    if (sides & FrameBottom)
        painter.drawLine(r.bottomLeft(), r.bottomRight());
}

QPageLayout SheetLayout(const TPreparedPage& page)
{
    const QSizeF portrait(std::min(page.Width, page.Height), std::max(page.Width, page.Height));
    return QPageLayout(QPageSize(portrait, QPageSize::Millimeter), page.Landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                       QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
}

} // namespace

void PaintPreparedPage(QPainter& painter, const TPreparedPage& page, const QRectF& target, bool paper)
{
    painter.save();
    painter.translate(target.topLeft());
    const double scale = target.width() / (page.Width * kLayoutUnitsPerMm);
    painter.scale(scale, scale);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
    if (paper)
        painter.fillRect(QRectF(0, 0, page.Width * kLayoutUnitsPerMm, page.Height * kLayoutUnitsPerMm), Qt::white);
    const double pixel = 1.0 / scale;
    for (const auto& image : page.Images) {
        if (!image.Image.isNull())
            painter.drawImage(QRectF(image.Rect.topLeft() * kLayoutUnitsPerMm, image.Rect.size() * kLayoutUnitsPerMm),
                              image.Image);
        DrawFrame(painter, image.FrameRect, image.Frame, 0.2, pixel);
    }
    for (const auto& text : page.Texts) {
        painter.setPen(Qt::black);
        DrawPreparedText(painter, text);
        DrawFrame(painter, text.Rect, text.Frame, text.FrameWidth, pixel);
    }
    painter.restore();
}

bool PaintPagesOnDevice(QPagedPaintDevice& device, const std::vector<TPreparedPage>& pages)
{
    if (pages.empty())
        return false;
    if (auto* printer = dynamic_cast<QPrinter*>(&device))
        printer->setFullPage(true);
    device.setPageLayout(SheetLayout(pages.front()));
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    for (size_t i = 0; i < pages.size(); ++i) {
        if (i > 0) {
            device.setPageLayout(SheetLayout(pages[i]));
            if (!device.newPage())
                return false;
        }
        PaintPreparedPage(painter, pages[i], QRectF(0, 0, device.width(), device.height()), false);
    }
    return painter.end();
}
