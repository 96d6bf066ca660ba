#pragma once
// The engine's output: sheets with positioned texts and pictures, in millimetres from the sheet's
// top-left corner. The preview, the printer, PDF and RTF all draw from these.
#include "reports/engine/report_template.h"

#include <QImage>
#include <QRectF>
#include <QString>

#include <vector>

struct TPreparedText {
    QRectF Rect; // the field, frame included
    QString Text;
    bool HasPageNumbers = false; // Text holds [Page#]/[TotalPages#] until the page count is known
    QString Source;              // the text with those expressions, once they are resolved
    TReportFont Font;
    THorzAlign HAlign = THorzAlign::Left;
    TVertAlign VAlign = TVertAlign::Top;
    bool WordWrap = true;
    uint8_t Frame = FrameNone;
    double FrameWidth = 0.2;
    double Gap = 0.5;
};

struct TPreparedImage {
    QRectF Rect; // where the image is drawn (already fitted and centred)
    QImage Image;
    QRectF FrameRect; // the picture object's frame, drawn when Frame is set
    uint8_t Frame = FrameNone;
};

struct TPreparedPage {
    double Width = 215.9; // of the sheet as printed (landscape: the longer side)
    double Height = 279.4;
    bool Landscape = false;
    std::vector<TPreparedText> Texts;
    std::vector<TPreparedImage> Images;
};
