#pragma once
// The save question: "Зберегти поточну роботу?" with "Так", "Повернутися" and "Ні".
#include <QDialog>

#include <functional>

class QLabel;
class QPushButton;

// The dialog's result codes; closing it by its title-bar button rejects, which is "Повернутися",
// so dismissing the question never throws work away.
enum class TSaveAnswer { Return = QDialog::Rejected, Yes = QDialog::Accepted, No = 2 };

class TConfirmDlg : public QDialog {
    Q_OBJECT
  public:
    explicit TConfirmDlg(QWidget* parent);

    // The caption names the command about to leave the work; empty for closing the program ("Вихід").
    void SetCommand(const QString& caption);

    QLabel* Label1;
    QPushButton* YesBtn;
    QPushButton* ReturnBtn;
    QPushButton* NoBtn;

  protected:
    // Esc answers "Ні".
    void keyPressEvent(QKeyEvent* event) override;
};

// Shows the question modally, centred on the screen, and returns the answer. Tests install a runner
// that answers instead; an empty runner restores exec().
using TConfirmRunner = std::function<TSaveAnswer(TConfirmDlg& dialog)>;
void SetConfirmRunner(TConfirmRunner runner);
TSaveAnswer RunConfirmDlg(TConfirmDlg& dialog);
