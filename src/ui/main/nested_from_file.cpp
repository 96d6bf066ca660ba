#include "ui/main/nested_from_file.h"

#include "files/commands/evaluation_file_dialog.h"
#include "files/evaluation_file.h"
#include "model/list_operations.h"
#include "text/language.h"
#include "ui/common/message_box.h"
#include "ui/common/text_convert.h"
#include "ui/main/TMainForm.h"
#include "ui/main/input_editor.h"
#include "ui/main/labeled_edit.h"

#include <QComboBox>
#include <QFileInfo>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {
constexpr int kFileNameLine = 2;

void ShowChosenFile(TInputEditor& editor, const QString& path)
{
    QStringList lines = editor.Memo5->toPlainText().split(u'\n');
    while (lines.size() <= kFileNameLine)
        lines << QString();
    lines[kFileNameLine] = QFileInfo(path).fileName();
    editor.Memo5->setPlainText(lines.join(u'\n'));
    editor.Memo5->show();
}
} // namespace

void ChooseNestedFile(TInputEditor& editor, const QString& currentFileName)
{
    editor.NestedFileName = AskOpenEvaluationFile(&editor);
    editor.Memo5->hide();
    if (editor.NestedFileName.isEmpty())
        return;
    if (editor.NestedFileName != currentFileName) {
        ShowChosenFile(editor, editor.NestedFileName);
        return;
    }
    ShowMessage(&editor, Tr2("Вибраний Вами файл є поточним. Його не можна використовувати.",
                             "Выбранный Вами файл является поточным. Его нельзя использовать"));
}

bool HasNestedFile(const TInputEditor& editor, const QString& currentFileName)
{
    return !editor.NestedFileName.isEmpty() && editor.NestedFileName != currentFileName && !editor.Memo5->isHidden();
}

TOrmetaCalc* AttachNestedFile(TMainForm& form, TInputEditor& editor, const std::string& name)
{
    for (QWidget* field : std::initializer_list<QWidget*>{editor.Memo2, editor.ComboBox1, editor.LabeledEdit1,
                                                          editor.LabeledEdit12, editor.Button6})
        field->setEnabled(false);
    const std::unique_ptr<TOrmetaCalc> read = LoadEvaluationFromFile(ToStd(editor.NestedFileName));
    editor.LabeledEdit12->setText(ToQt(read->OutputUnit));
    editor.Memo2->appendPlainText(ToQt(read->ModelDescription));
    read->OutputName = name;
    TOrmetaCalc* stored = AddNested(form.ShownEvaluation(), *read);
    if (!stored)
        throw EOrmetaCreate(Msg("Така змінна вже є.", "Такая переменная уже есть."));
    const size_t first = form.Evaluations.size();
    CollectEvaluations(stored, form.Evaluations);
    for (size_t k = first; k < form.Evaluations.size(); ++k)
        form.ListBox1->addItem(ToQt(form.Evaluations[k]->OutputName));
    return stored;
}
