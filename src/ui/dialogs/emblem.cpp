#include "ui/dialogs/emblem.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>

QPixmap PaintEmblem(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 100.0, size / 100.0);

    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(31, 78, 121));
    painter.drawRoundedRect(QRectF(2, 2, 96, 96), 16, 16);

    // The normal density over mean ± 3 sigma, mean at x = 50, sigma 13 units.
    constexpr double kMean = 50;
    constexpr double kSigma = 13;
    constexpr double kBase = 70;
    constexpr double kPeak = 48;
    QPainterPath bell;
    for (int x = 10; x <= 90; ++x) {
        const double z = (x - kMean) / kSigma;
        const QPointF point(x, kBase - kPeak * std::exp(-0.5 * z * z));
        x == 10 ? bell.moveTo(point) : bell.lineTo(point);
    }
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::white, 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(bell);
    painter.setPen(QPen(QColor(255, 255, 255, 150), 2, Qt::DashLine, Qt::RoundCap));
    painter.drawLine(QPointF(kMean, kBase), QPointF(kMean, kBase - kPeak));

    // The interval mean ± sigma as a bar with end ticks.
    const QColor amber(255, 192, 64);
    painter.setPen(QPen(amber, 4, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(kMean - kSigma, 82), QPointF(kMean + kSigma, 82));
    painter.drawLine(QPointF(kMean - kSigma, 76), QPointF(kMean - kSigma, 88));
    painter.drawLine(QPointF(kMean + kSigma, 76), QPointF(kMean + kSigma, 88));
    return pixmap;
}
