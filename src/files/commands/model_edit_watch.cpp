#include "files/commands/model_edit_watch.h"

#include "ui/main/TMainForm.h"
#include "ui/main/budget_tab.h"
#include "ui/main/labeled_edit.h"
#include "ui/main/model_tab.h"

#include <QComboBox>
#include <QPlainTextEdit>

void WatchModelEdits(TMainForm& form)
{
    for (QPlainTextEdit* memo : {form.TabSheet1->Memo1, form.TabSheet1->Memo3}) {
        // setPlainText, the window's own filling, replaces the text with undo switched off; every
        // edit of the user can be undone.
        QObject::connect(memo, &QPlainTextEdit::textChanged, &form, [&form, memo] {
            if (memo->document()->isUndoRedoEnabled())
                form.MarkModified();
        });
    }
    QObject::connect(form.TabSheet3->LabeledEdit8, &QLineEdit::textEdited, &form, &TMainForm::MarkModified);
    QObject::connect(form.TabSheet3->ComboBox7, &QComboBox::activated, &form, &TMainForm::MarkModified);
}
