#pragma once
// The observation values window: a grid in which the user types the repeated observations of a Type A
// input. The grid's texts are the input editor's editing buffer: they stay in the window after it closes
// until the editor lays the grid out anew or clears it, and the apply command reads them back.
//
// Use by the input editor (one window for the whole run, parented to the main window):
//   showing an input:         SetObservations(the stored observations)
//   "Ввести значення":        SetObservationCount(n); Edit();
//   apply:                    ReadObservations(n)  (EConvertError with ParseNumber's message)
//   colony count, add, reset: SetObservationTexts({count}) / Clear()
#include "model/records.h"

#include <QDialog>
#include <QStringList>

class QPushButton;
class QTableWidget;

class TValuesF : public QDialog {
    Q_OBJECT
public:
    static constexpr int kMaxObservations = 100000;

    explicit TValuesF(QWidget* parent = nullptr);

    // Lays the grid out for n observations numbered 1 to n. The texts typed so far move along in
    // observation order, each cut to 50 characters; texts beyond observation n are dropped. A count above
    // kMaxObservations (a slip of the keyboard) is refused with EConvertError and changes nothing.
    void SetObservationCount(int n);
    // Lays the grid out for texts.size() observations and writes the texts into their value cells.
    void SetObservationTexts(const QStringList& texts);
    // The same for stored values, written for editing (15 significant digits).
    void SetObservations(const TArrDouble& values);
    // The texts of the first n value cells in observation order ("" for cells the grid does not have).
    QStringList ObservationTexts(int n) const;
    // The first n observations read with ParseNumber; its EConvertError names the first bad text.
    TArrDouble ReadObservations(int n) const;
    // No observations: every cell empty, nothing selectable.
    void Clear();

    // Shows the window modally, centred on the screen of its parent. However it is closed, what was
    // typed stays.
    void Edit();

    void done(int result) override;

private:
    // Lays out for n observations and fills the first n value cells from texts.
    void LayOut(int n, const QStringList& texts);
    void ApplySelectionRule();
    void FitWindowToGrid(int visibleRows);

    QTableWidget* SG1;
    QPushButton* Button1;
};
