#pragma once
// The new-variable window: asks for the symbol of a new input quantity when the user starts adding one.
// It has no cancel: its button (or Enter) is the only way out, and the field cannot be left empty by
// moving the focus. Whether the symbol is usable and unique is checked when the input is applied.
//
// Use by the add command (one window for the whole run, parented to the main window):
//   const QString symbol = newDialog->Ask();   // then into the input editor's name field
#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

class TNewDialog : public QDialog {
    Q_OBJECT
public:
    explicit TNewDialog(QWidget* parent = nullptr);

    // Shows the window modally with the focus in the field and gives what was typed; the field is
    // empty again for the next use.
    QString Ask();

    // Esc and the window manager's close do nothing: the button is the only way out.
    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* Label1;
    QLineEdit* Edit1;
    QPushButton* OKBtn;
};
