#pragma once
// An entry field with its caption; hiding the field hides the caption too. Exited is the check
// point of a field: it fires whenever the focus leaves the field for another control of the program.
#include <QLineEdit>

class QLabel;

class TLabeledEdit : public QLineEdit {
    Q_OBJECT
  public:
    TLabeledEdit(const QString& objectName, const QString& caption, QWidget* parent);

    QLabel* EditLabel() const { return Label; }
    void setVisible(bool visible) override;

  signals:
    void Exited();

  protected:
    void focusOutEvent(QFocusEvent* event) override;

  private:
    QLabel* Label;
};
