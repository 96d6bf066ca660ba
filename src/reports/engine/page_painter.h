#pragma once
// One routine draws a prepared sheet on any device: the preview, the printer and PDF.
#include "reports/engine/prepared_page.h"

#include <QRectF>

#include <vector>

class QPagedPaintDevice;
class QPainter;

// Draws page into target (device coordinates of the whole sheet), with a white sheet when paper is set.
void PaintPreparedPage(QPainter& painter, const TPreparedPage& page, const QRectF& target, bool paper);

// Prints pages one per sheet, each with its own size and orientation; false when the device cannot
// be painted on.
bool PaintPagesOnDevice(QPagedPaintDevice& device, const std::vector<TPreparedPage>& pages);
