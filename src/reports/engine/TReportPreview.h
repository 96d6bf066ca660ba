#pragma once
// The preview of a prepared report: page navigation, zoom, printing and export to PDF and RTF.
#include "reports/engine/prepared_page.h"

#include <QDialog>

#include <vector>

class QComboBox;
class QLabel;
class QScrollArea;
class QSpinBox;
class TPreviewSheet;

class TReportPreview : public QDialog {
    Q_OBJECT
public:
    explicit TReportPreview(std::vector<TPreparedPage> pages, QWidget* parent = nullptr);

    int CurrentPage() const { return Current; }
    void ShowPage(int index);
    // Zoom in percent of the natural size; 0 fits the page width, -1 the whole page.
    void SetZoom(int percent);
    double Scale() const; // device pixels per millimetre

    void PrintReport();
    void ExportPdf();
    void ExportRtf();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    std::vector<TPreparedPage> Pages;
    int Current = 0;
    int Zoom = 100;
    QScrollArea* Scroll = nullptr;
    TPreviewSheet* Sheet = nullptr;
    QSpinBox* PageNumber = nullptr;
    QLabel* PageTotal = nullptr;
    QComboBox* ZoomBox = nullptr;

    void UpdateSheet();
    QString ExportName(const QString& title, const QString& filter, const QString& suffix);
};
