#pragma once
// The print options of the report: which parts to print. One window for the whole run; the check
// boxes keep their state from one report to the next.
//
//   if (PrintForm->Ask()) { PrintForm->cSources->isChecked() ... }
#include <QDialog>

class QCheckBox;
class QPushButton;

class TPrintForm : public QDialog {
    Q_OBJECT
public:
    explicit TPrintForm(QWidget* parent = nullptr);

    // Shows the window modally over its parent; true when the user confirmed with "ОК".
    bool Ask();

    QCheckBox* cSources;
    QCheckBox* cIncl;
    QCheckBox* cPareto;

private:
    QPushButton* sSpeedButton1;
    QPushButton* sSpeedButton2;
};
