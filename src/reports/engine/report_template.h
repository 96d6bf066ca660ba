#pragma once
// The objects of a report template: pages holding bands, bands holding text fields, pictures and cross
// tabs. Code looks objects up by name and changes them (text, visibility, position) before and while
// the engine lays the report out. Lengths are millimetres, font sizes points.
#include <QImage>
#include <QString>

#include <cstdint>
#include <memory>
#include <vector>

struct TReportFont {
    QString Family = QStringLiteral("Arial");
    double Size = 10;
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
};

// Sides of a frame, combinable.
enum TFrameSide : uint8_t { FrameNone = 0, FrameLeft = 1, FrameTop = 2, FrameRight = 4, FrameBottom = 8, FrameAll = 15 };

enum class THorzAlign : uint8_t { Left, Center, Right };
enum class TVertAlign : uint8_t { Top, Middle, Bottom };

// Where an object stands across its band: at its own left, centred, or against the right edge.
enum class TPlacement : uint8_t { AtLeft, Centered, RightAligned };

enum class TObjectKind : uint8_t { Text, Picture, CrossTab, Band };

class TReportObject {
public:
    explicit TReportObject(TObjectKind kind) : Kind(kind) {}
    virtual ~TReportObject() = default;
    TReportObject(const TReportObject&) = delete;
    TReportObject& operator=(const TReportObject&) = delete;

    const TObjectKind Kind;
    QString Name;
    bool Visible = true;
    double Left = 0;
    double Top = 0;
    double Width = 0;
    double Height = 0;
    TPlacement Placement = TPlacement::AtLeft;
    QString Follows;     // left edge at the right edge of this object of the same band (after widening)
    QString LeftAs;      // left edge at the left edge of this object of the same band
};

class TReportText : public TReportObject {
public:
    TReportText() : TReportObject(TObjectKind::Text) {}
    // Text written by code is printed literally; template text has its [expressions] expanded.
    void SetText(const QString& text)
    {
        Text = text;
        Literal = true;
    }

    QString Text;
    bool Literal = false;
    TReportFont Font;
    THorzAlign HAlign = THorzAlign::Left;
    TVertAlign VAlign = TVertAlign::Top;
    bool WordWrap = true;
    bool Grows = false;  // height follows the text
    bool Widens = false; // width follows the longest line
    uint8_t Frame = FrameNone;
    double FrameWidth = 0.2;
    double Gap = 0.5; // inner horizontal margin; the vertical one is half of it
};

class TReportPicture : public TReportObject {
public:
    TReportPicture() : TReportObject(TObjectKind::Picture) {}
    QImage Image;
    bool Stretch = false;  // scale to the frame (keeping proportions) rather than print at 96 dpi
    bool AutoSize = false; // the frame takes the picture's size at 96 dpi
    uint8_t Frame = FrameNone;
};

// A grid of texts filled by code; header rows and columns are repeated on every piece when the grid
// is broken across pages.
class TReportCrossTab : public TReportObject {
public:
    TReportCrossTab() : TReportObject(TObjectKind::CrossTab) {}
    void Clear() { Cells.clear(); }
    void SetCell(int row, int column, const QString& text);
    int RowCount() const { return static_cast<int>(Cells.size()); }
    int ColumnCount() const;
    QString Cell(int row, int column) const;

    std::vector<std::vector<QString>> Cells; // rows of cells
    int HeaderRows = 0;
    int HeaderColumns = 0;
    double CellHeight = 5.8;
    double MinCellWidth = 21.2;
    double Gap = 0.8;
    TReportFont Font;
};

enum class TBandKind : uint8_t { ReportTitle, PageHeader, PageFooter, Header, Data, Footer };

class TReportBand : public TReportObject {
public:
    TReportBand() : TReportObject(TObjectKind::Band) {}
    TBandKind BandKind = TBandKind::Data;
    bool Grows = false;
    QString DataSet; // data bands: printed once per record of this data set; empty: printed once
    std::vector<std::unique_ptr<TReportObject>> Objects;
    std::unique_ptr<TReportBand> HeaderBand;            // data bands: before the first record
    std::unique_ptr<TReportBand> FooterBand;            // data bands: after the last record
    std::vector<std::unique_ptr<TReportBand>> Details;  // data bands: printed after every record
};

struct TReportPage {
    QString Name;
    bool Visible = true;
    bool Landscape = false;
    double PaperWidth = 215.9; // of the portrait sheet
    double PaperHeight = 279.4;
    double MarginLeft = 10;
    double MarginRight = 10;
    double MarginTop = 10;
    double MarginBottom = 10;
    std::unique_ptr<TReportBand> ReportTitle;
    std::unique_ptr<TReportBand> PageHeader;
    std::unique_ptr<TReportBand> PageFooter;
    std::vector<std::unique_ptr<TReportBand>> DataBands;        // top to bottom
    std::vector<std::unique_ptr<TReportObject>> PageObjects;    // placed on the first sheet, from the printable corner

    double SheetWidth() const { return Landscape ? PaperHeight : PaperWidth; }
    double SheetHeight() const { return Landscape ? PaperWidth : PaperHeight; }
    double PrintableWidth() const { return SheetWidth() - MarginLeft - MarginRight; }
    double PrintableHeight() const { return SheetHeight() - MarginTop - MarginBottom; }
};

struct TReportTemplate {
    std::vector<std::unique_ptr<TReportPage>> Pages;
};
