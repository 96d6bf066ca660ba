#pragma once
// The least-squares chart of a stored calibration input: the readings of the standards as red points and
// the fitted straight line or quadratic as a teal line, with the reference values on X ("вимірюється")
// or on Y ("спостерігається").
//
// Use by the input editor (one window for the whole run, parented to the main window), for
// "результат калібрування": Draw(shown evaluation, text of the name field); exec(). The chart shows the
// stored record, not the calibration grid.
#include "model/records.h"
#include "ui/dialogs/ls_chart_points.h"

#include <QDialog>

#include <optional>

class QChart;
class QChartView;
class QGroupBox;
class QLineSeries;
class QPushButton;
class QRadioButton;
class QScatterSeries;
class QValueAxis;

class TLSFF : public QDialog {
    Q_OBJECT
public:
    explicit TLSFF(QWidget* parent = nullptr);

    // Draws the calibration input of that name; when the evaluation has none, the chart stays as it was.
    void Draw(const TOrmetaCalc& evaluation, const std::string& name);
    // Plots the input in the orientation chosen in RG1 and sets the caption by its curvature. A null
    // input leaves the chart and caption as they were. The input is copied: RG1 redraws the copy.
    void Draw(const TOrmetaTypeG* input);
    TChartAxis Axis() const;
    void SetAxis(TChartAxis axis);

private:
    struct TCurve {
        TMatDouble Data;
        double Intercept = 0;
        double Slope = 0;
        double Curvature = 0;
    };

    void Redraw();
    void FitAxes();

    QChartView* Chart1;
    QScatterSeries* Series1;
    QLineSeries* Series2;
    QValueAxis* AxisX;
    QValueAxis* AxisY;
    QGroupBox* RG1;
    QRadioButton* ObservedItem;
    QRadioButton* MeasuredItem;
    QPushButton* Button1;
    std::optional<TCurve> Shown;
};
