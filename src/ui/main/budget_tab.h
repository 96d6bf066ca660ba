#pragma once
// The budget tab: the level of confidence, the coverage method, the budget table and the result
// fields of the shown evaluation.
#include "model/records.h"

#include <QWidget>

class QComboBox;
class QGroupBox;
class QLabel;
class QTableWidget;
class TLabeledEdit;

// The coverage method code for a text of ComboBox7, in either language; 0 for the automatic item.
uint8_t CoverageMethodFromText(const QString& text);

class TBudgetTab : public QWidget {
    Q_OBJECT
  public:
    explicit TBudgetTab(QWidget* parent);

    // "0.9545" and the automatic method.
    void ResetEntries();
    // Empties every result field (standard, expanded and relative uncertainties, coverage factor and
    // its explanation, degrees of freedom, which is hidden) and the budget table down to its title
    // row and one empty row.
    void ClearResults();
    // The state of a new evaluation: entries reset, results cleared, the table hidden.
    void ResetForNew();
    // The table frame: visible, titles of the current language, one row per input and the output row.
    void ShowTableFrame(int inputCount);
    // Fills the rows, the result fields and the captions from a calculated evaluation.
    void ShowResults(const TOrmetaCalc& calc);
    // Labels of the relative uncertainties in the current language.
    void SetRelativeCaptions();

    // ParseNumber of the level of confidence (EConvertError when it is not a number).
    double ConfidenceLevel() const;
    uint8_t CoverageMethod() const;

    // Leaving the level of confidence: it must be a number strictly between 0 and 1.
    void LabeledEdit8Exit();

    TLabeledEdit* LabeledEdit8;
    QComboBox* ComboBox7;
    QTableWidget* StringGrid3;
    TLabeledEdit* LabeledEdit9;
    TLabeledEdit* LabeledEdit10;
    TLabeledEdit* LabeledEdit11;
    TLabeledEdit* LabeledEdit15;
    QLabel* Label12;
    QGroupBox* NewBox;
    TLabeledEdit* LabeledEdit17;
    TLabeledEdit* LabeledEdit18;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void FillTable(const TOrmetaCalc& calc);
    void FitColumns();
    // The title row high enough for its wrapped titles.
    void FitTitleHeight();
};
