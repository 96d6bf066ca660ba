#pragma once
// The Pareto chart of the contributions of the evaluation last calculated: one window for the whole
// run, filled by the Calculate command and shown (modally) by the Pareto command. The report takes an
// 800 × 500 picture of the same chart.
//
//   ParetoForm->FillParetoChart(calc, totalContribution);   after a successful calculation
//   ParetoForm->ShowModal();                                  the Pareto command
//   QImage image = ParetoForm->ChartImage();                  the report's picture
#include "model/records.h"
#include "reports/pareto/pareto_bars.h"

#include <QDialog>
#include <QImage>

#include <vector>

class QChart;
class QChartView;
class QGraphicsItemGroup;
class QPushButton;
class QStackedBarSeries;

class TParetoForm : public QDialog {
    Q_OBJECT
public:
    explicit TParetoForm(QWidget* parent = nullptr);
    ~TParetoForm() override;

    // Replaces the bars by those of calc (see ParetoBars).
    void FillParetoChart(const TOrmetaCalc& calc, double totalContribution);
    const std::vector<TParetoBar>& Bars() const { return CurrentBars; }
    // The chart drawn on a white 800 × 500 image, whether or not the window has been shown.
    QImage ChartImage();
    // Centred over the parent; returns when the user closes the window.
    void ShowModal();

private:
    QChartView* Chart1;
    QStackedBarSeries* Series1;
    QPushButton* Button1;
    QGraphicsItemGroup* Marks = nullptr;
    std::vector<TParetoBar> CurrentBars;

    QChart* Chart() const;
    void PlaceMarks();
};
