#pragma once
// The calibration data window: a grid of the reference values of the standards (first column) and the
// repeated readings of each standard (one column per reading series, one row per standard). Its texts are
// the input editor's editing buffer: they stay after the window closes and the apply command reads them.
//
// Use by the input editor (one window for the whole run, parented to the main window):
//   "задати дані калібрування": SetDimensions(m, k); if the input is stored, SetMatrix(its CalibrationData);
//                               Edit();
//   apply:                      ReadMatrix(m, k)  (EConvertError with ParseNumber's message)
//   add, reset:                 Clear()
#include "model/records.h"

#include <QDialog>

class QLabel;
class QPushButton;
class QTableWidget;

class TCalibM : public QDialog {
    Q_OBJECT
public:
    static constexpr long long kMaxValues = 100000;

    explicit TCalibM(QWidget* parent = nullptr);

    // The reference column, `readings` reading columns headed 1 to m, and one row per standard. Cells
    // that the new size still holds keep their texts. More than kMaxValues cells (a slip of the
    // keyboard) are refused with EConvertError and change nothing.
    void SetDimensions(int readings, int standards);
    // Writes a calibration matrix (row 0 the reference values, row r the r-th readings, one element per
    // standard) for editing, growing the grid if it is smaller.
    void SetMatrix(const TMatDouble& data);
    // readings + 1 rows of `standards` values read with ParseNumber; its EConvertError names the first
    // bad text.
    TMatDouble ReadMatrix(int readings, int standards) const;
    // One empty column and one empty row.
    void Clear();

    // Shows the window modally, centred on the screen of its parent. What was typed stays.
    void Edit();

    void done(int result) override;

private:
    void FitWindowToGrid();

    QLabel* Label1;
    QTableWidget* SG1;
    QPushButton* Button1;
};
