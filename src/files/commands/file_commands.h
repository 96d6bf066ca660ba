#pragma once
// The "Файл" menu: New, Open, Save, Save As and the save question asked before work could be lost.
// Files are only ever written through the core's atomic save, so a failed or interrupted save leaves
// the previous file as it was.
#include <QObject>
#include <QString>

class QAction;
class TConfirmDlg;
class TMainForm;

class TFileCommands : public QObject {
    Q_OBJECT
  public:
    // Takes over the form's New, Open, Save and Save As actions.
    explicit TFileCommands(TMainForm& form);

    // New: after the save question when there are unsaved changes.
    void N7Click();
    // Open: after the save question when there are unsaved changes; a file that cannot be read
    // changes nothing.
    void N10Click();
    // Save and Save As; true when the file was written.
    bool N8Click();
    bool N9Click();
    // Whether the main window may close: the save question is always asked.
    bool FormCloseQuery();

    // Reads the whole file first; only a complete tree replaces the open one. True when it did.
    bool LoadEvaluationFile(const QString& name);
    // Brings the shown evaluation's record up to date from the window and writes the tree.
    bool SaveEvaluationFile(const QString& name);

  private:
    // True when the command may go on: "Ні", or "Так" and the save succeeded. No command: closing.
    bool MayLeaveWork(const QAction* command);

    TMainForm& Form;
    TConfirmDlg* ConfirmDlg = nullptr;
};
