#include "files/commands/file_commands.h"

#include "files/commands/TConfirmDlg.h"
#include "files/commands/evaluation_file_dialog.h"
#include "files/commands/model_edit_watch.h"
#include "files/commands/orm_file_name.h"
#include "files/evaluation_file.h"
#include "ui/common/message_box.h"
#include "ui/common/text_convert.h"
#include "ui/main/TMainForm.h"

#include <QAction>
#include <QFile>

#include <exception>

using namespace Qt::StringLiterals;

namespace {
std::string LocalPath(const QString& name)
{
    return QFile::encodeName(name).toStdString();
}

// The caption of the question asked before a command: the command's own caption.
QString CommandCaption(const QAction& action)
{
    QString caption = action.text();
    return caption.remove(u"..."_s);
}
} // namespace

TFileCommands::TFileCommands(TMainForm& form) : QObject(&form), Form(form)
{
    connect(Form.New, &QAction::triggered, this, &TFileCommands::N7Click);
    connect(Form.Open, &QAction::triggered, this, &TFileCommands::N10Click);
    connect(Form.Save, &QAction::triggered, this, &TFileCommands::N8Click);
    connect(Form.SaveAs, &QAction::triggered, this, &TFileCommands::N9Click);
    WatchModelEdits(Form);
}

bool TFileCommands::MayLeaveWork(const QAction* command)
{
    if (!ConfirmDlg)
        ConfirmDlg = new TConfirmDlg(&Form);
    ConfirmDlg->SetCommand(command ? CommandCaption(*command) : QString());
    const TSaveAnswer answer = RunConfirmDlg(*ConfirmDlg);
    if (answer == TSaveAnswer::Yes)
        return N8Click();
    return answer == TSaveAnswer::No;
}

bool TFileCommands::FormCloseQuery()
{
    return MayLeaveWork(nullptr);
}

void TFileCommands::N7Click()
{
    if (Form.Modified && !MayLeaveWork(Form.New))
        return;
    Form.CurrentFileName.clear();
    Form.ResetToNewEvaluation();
    Form.Modified = false;
}

void TFileCommands::N10Click()
{
    if (Form.Modified && !MayLeaveWork(Form.Open))
        return;
    const QString name = AskOpenEvaluationFile(&Form);
    if (!name.isEmpty())
        LoadEvaluationFile(name);
}

bool TFileCommands::LoadEvaluationFile(const QString& name)
{
    std::unique_ptr<TOrmetaCalc> main;
    try {
        main = LoadEvaluationFromFile(LocalPath(name));
    }
    catch (const std::exception& error) {
        ShowMessage(&Form, Tr2("Некорректний файл. Не можливо завантажити", "Некорректный файл. Невозможно загрузить") +
                               u"\n"_s + ToQt(error.what()));
        return false;
    }
    Form.LoadEvaluationTree(std::move(main));
    Form.CurrentFileName = name;
    Form.Modified = false;
    return true;
}

bool TFileCommands::N8Click()
{
    if (Form.CurrentFileName.isEmpty())
        return N9Click();
    return SaveEvaluationFile(SaveTargetName(Form.CurrentFileName));
}

bool TFileCommands::N9Click()
{
    const QString chosen = AskSaveEvaluationFile(&Form);
    if (chosen.trimmed().isEmpty())
        return false;
    // The name written is the one Save goes on writing to.
    const QString target = WithOrmExtension(chosen);
    if (!SaveEvaluationFile(target))
        return false;
    Form.CurrentFileName = target;
    return true;
}

bool TFileCommands::SaveEvaluationFile(const QString& name)
{
    try {
        TOrmetaCalc& shown = Form.ShownEvaluation();
        Form.StoreModel(shown);
        Form.StoreCorrelation(shown);
        SaveEvaluationToFile(*Form.Evaluations[0], LocalPath(name));
    }
    catch (const std::exception& error) {
        ShowMessage(&Form, ToQt(error.what()));
        return false;
    }
    Form.Modified = false;
    ShowMessage(&Form, Tr2("Успішно збережено!", "Успешно сохранено!"));
    return true;
}
