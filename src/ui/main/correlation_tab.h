#pragma once
// The controls of the correlation tab that set one coefficient at a time: two input boxes, the
// coefficient field, "Змінити" writing it into both symmetric cells of the grid, and "Вирахувати"
// computing it from the observations of two Type A inputs of the same count.
#include <QGroupBox>

class QComboBox;
class QLabel;
class QPushButton;
class TLabeledEdit;
class TMainForm;

class TCorrelationTab : public QGroupBox {
    Q_OBJECT
  public:
    TCorrelationTab(TMainForm& form, QWidget* parent);

    // The boxes take the input names of the inputs tab.
    void TabSheet4Show();
    // Another evaluation is shown: both boxes emptied, text included, with its names.
    void Reset();
    void ComboBox5Change();
    void Edit5Exit();
    void Button4Click();
    void CalcBtnClick();

    QComboBox* ComboBox5;
    QLabel* Label8;
    QComboBox* ComboBox6;
    TLabeledEdit* Edit5;
    QPushButton* Button4;
    QPushButton* CalcBtn;

  private:
    void SetNames(const QStringList& names);

    TMainForm& Form;
};
