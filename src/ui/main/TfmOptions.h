#pragma once
// The options window: the number form and its digit count, written to the settings file on
// confirmation. Numbers already shown are not re-formatted.
#include <QDialog>

class QPushButton;
class QRadioButton;
class TLabeledEdit;

class TfmOptions : public QDialog {
    Q_OBJECT
  public:
    explicit TfmOptions(QWidget* parent);

    // Shows the stored form: the ordinary one with its decimals, or the exponential one with its digits.
    void FormShow();
    // Writes the chosen form; a digit count that is not a whole number from 1 to 18 is refused with a
    // message and the window stays open.
    void Button1Click();

    QRadioButton* RadioButton2;
    TLabeledEdit* LabeledEdit1;
    QRadioButton* RadioButton1;
    TLabeledEdit* LabeledEdit2;
    QPushButton* Button1;
    QPushButton* Button2;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void SelectForm(bool exponential);
};
