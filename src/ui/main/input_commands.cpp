#include "ui/main/input_commands.h"

#include "model/constructors.h"
#include "model/input_order.h"
#include "model/list_operations.h"
#include "text/language.h"
#include "ui/common/message_box.h"
#include "ui/common/text_convert.h"
#include "ui/main/TMainForm.h"
#include "ui/main/correlation_grid.h"
#include "ui/main/input_dialog_hooks.h"
#include "ui/main/input_editor.h"
#include "ui/main/input_fields.h"
#include "ui/main/input_position.h"
#include "ui/main/labeled_edit.h"
#include "ui/main/nested_from_file.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTableWidget>

#include <algorithm>

namespace {
std::string NameUsedText()
{
    return Msg("Така змінна вже є.", "Такая переменная уже есть.");
}

void StoreInput(TOrmetaCalc& calc, const TBuiltInput& built)
{
    const bool stored = built.A   ? AddTypeA(calc, *built.A) != nullptr
                        : built.B ? AddTypeB(calc, *built.B) != nullptr
                                  : AddTypeG(calc, *built.G) != nullptr;
    if (!stored)
        throw EOrmetaCreate(NameUsedText());
}

QString NotMadeSuffix()
{
    return Tr2(" Зміни не зроблені.", " Изменения не сделаны.");
}
} // namespace

TInputCommands::TInputCommands(TMainForm& form, TInputEditor& editor) : QObject(&form), Form(form), Editor(editor)
{
    connect(Form.AddNewUNC, &QAction::triggered, this, &TInputCommands::Button1Click);
    connect(Form.MakeChanges, &QAction::triggered, this, &TInputCommands::Button6Click);
    connect(Form.DeleteUnc, &QAction::triggered, this, &TInputCommands::Button3Click);
    const std::pair<QPushButton*, QAction*> buttons[] = {
        {Editor.Button1, Form.AddNewUNC}, {Editor.Button6, Form.MakeChanges}, {Editor.Button3, Form.DeleteUnc}};
    for (const auto& [button, action] : buttons) {
        action->setEnabled(true);
        connect(button, &QPushButton::clicked, action, &QAction::trigger);
    }
}

bool TInputCommands::InputsTabActive() const
{
    return Form.PageControl1->currentWidget() == Form.TabSheet2;
}

void TInputCommands::Done(const QString& message)
{
    Form.MarkModified();
    ShowMessage(&Editor, message);
}

int TInputCommands::InsertIntoGrid(const QString& name)
{
    const int q = InputPosition(Form.ShownEvaluation(), ToStd(name));
    InsertCorrelationInput(*Form.StringGrid2, q, name);
    return q;
}

void TInputCommands::Button1Click()
{
    if (!InputsTabActive())
        return;
    Editor.Memo5->hide();
    Editor.AddStBut->setEnabled(true);
    Editor.ClearFields();
    for (TLabeledEdit* field : {Editor.LE1, Editor.LE2, Editor.LE16})
        field->clear();
    Editor.SelectKind(TKindItem::TypeB);
    Editor.ClearGrids();
    const QString symbol = AskNewSymbol(*Editor.NewDialog);
    Editor.SetNameBoxText(QString());
    Editor.LabeledEdit1->setText(symbol);
    ShowMessage(&Editor, Tr2("Введіть параметри джерела(складової) невизначеності. Для підтвредження - кнопка "
                             "\"Підтвердити зміни\"",
                             "Введите параметры источника(составляющей) неопределенности. Для подтверждения - кнопка "
                             "\"Подтвердить изменения\""));
    Editor.SetDescriptionFieldsEnabled(true);
    Editor.Button6->setEnabled(true);
    Editor.LabeledEdit1->setFocus();
}

void TInputCommands::Button6Click()
{
    if (!InputsTabActive())
        return;
    const TOrmetaCalc& calc = Form.ShownEvaluation();
    const QString name = Editor.NameBoxText();
    if (name.isEmpty()) {
        Button2Click();
        return;
    }
    // A calculated input is edited in its own evaluation, never here.
    const int q = InputPosition(calc, ToStd(name));
    if (q >= 0 && InputAt(calc, q).Kind == InputKind::Nested)
        return;
    Button5Click();
}

void TInputCommands::Button2Click()
{
    Editor.SetDescriptionFieldsEnabled(true);
    try {
        TOrmetaCalc& calc = Form.ShownEvaluation();
        const QString name = Editor.LabeledEdit1->text();
        if (IsNameUsed(calc, ToStd(name)))
            throw EOrmetaCreate(Msg("Така змінна вже є.Джерело не створено.", "Такая переменная уже есть. Источник не создан."));
        if (Editor.ChosenKind() == TKindItem::Calculated) {
            CreateCalculated(ToStd(name));
        }
        else {
            const TBuiltInput built = BuildInputFromFields(Editor, TApplyCommand::Create);
            StoreInput(calc, built);
            // Only a Type A input stays in the name box, as the record the fields now show.
            if (built.A)
                Editor.SetNameBoxText(name);
        }
        Editor.AppendName(name);
        InsertIntoGrid(name);
        Done(Tr2("Зміни зроблені.", "Изменения сделаны."));
    }
    catch (const std::exception& error) {
        ShowMessage(&Editor, ToQt(error.what()) + NotMadeSuffix());
    }
}

void TInputCommands::CreateCalculated(const std::string& name)
{
    if (HasNestedFile(Editor, Form.CurrentFileName)) {
        AttachNestedFile(Form, Editor, name);
        return;
    }
    for (QWidget* field : std::initializer_list<QWidget*>{Editor.Memo2, Editor.LabeledEdit1, Editor.LabeledEdit12,
                                                          Editor.Button6})
        field->setEnabled(false);
    const std::unique_ptr<TOrmetaCalc> nested =
        CreateCalc(ToStd(Editor.Memo2->toPlainText()), name, ToStd(Editor.LabeledEdit12->text()));
    TOrmetaCalc* stored = AddNested(Form.ShownEvaluation(), *nested);
    if (!stored)
        throw EOrmetaCreate(NameUsedText());
    Form.Evaluations.push_back(stored);
    Form.ListBox1->addItem(ToQt(name));
    Editor.ComboBox1->setEnabled(false);
}

void TInputCommands::Button5Click()
{
    try {
        TOrmetaCalc& calc = Form.ShownEvaluation();
        const QString oldName = Editor.NameBoxText();
        if (oldName.isEmpty())
            throw std::runtime_error(Msg("Не вказана змінна.Зміни не зроблені", "Не указана переменная. Изменения не сделаны"));
        const int oldPosition = InputPosition(calc, ToStd(oldName));
        if (oldPosition < 0)
            throw std::runtime_error(
                Msg("Такої змінної немає. Зміни не зроблені.", "Такой переменной не существует. Изменения не сделаны."));
        // A nested evaluation is made by creating an input, never by turning another input into one.
        if (Editor.ChosenKind() == TKindItem::Calculated)
            throw std::runtime_error(Msg("Джерело не можна перетворити на таке, що обчислюється: видаліть його та "
                                         "додайте нове.",
                                         "Источник нельзя превратить в вычисляемый: удалите его и добавьте новый."));
        const QString newName = Editor.LabeledEdit1->text();
        if (newName != oldName && IsNameUsed(calc, ToStd(newName)))
            throw std::runtime_error(NameUsedText());
        const TBuiltInput built = BuildInputFromFields(Editor, TApplyCommand::Change);

        // The coefficients the user set go with the input to its new place.
        const QHash<QString, QString> coefficients = CorrelationTextsOf(*Form.StringGrid2, oldPosition);
        Editor.RemoveName(oldName);
        RemoveCorrelationInput(*Form.StringGrid2, oldPosition);
        DeleteInput(calc, ToStd(oldName));
        StoreInput(calc, built);
        Editor.AppendName(newName);
        Editor.SetNameBoxText(newName);
        RestoreCorrelationTexts(*Form.StringGrid2, InsertIntoGrid(newName), oldName, coefficients);
        Done(Tr2("Зміни зроблені.", "Изменения сделаны"));
    }
    catch (const std::exception& error) {
        ShowMessage(&Editor, ToQt(error.what()) + NotMadeSuffix());
    }
}

void TInputCommands::Button3Click()
{
    Editor.SetDescriptionFieldsEnabled(true);
    Editor.Button6->setEnabled(true);
    Editor.ComboBox1->setEnabled(true);
    if (!InputsTabActive())
        return;
    try {
        TOrmetaCalc& calc = Form.ShownEvaluation();
        if (Editor.NameBoxText().isEmpty())
            throw EOrmetaDelete(Msg("Не вказана змінна. Нічого не видалено", "Не указана переменная. Ничего не удалено"));
        const QString name = Editor.LabeledEdit1->text();
        const int q = InputPosition(calc, ToStd(name));
        if (q < 0)
            throw EOrmetaDelete(
                Msg("Такої змінної немає. Нічого не видалено.", "Такой переменной не существует. Ничего не удалено."));
        const InputView input = InputAt(calc, q);
        if (input.Kind == InputKind::Nested) {
            if (CountNested(*input.N) > 0)
                throw EOrmetaDelete(Msg(
                    "Ця змінна включає в себе змінні, що обчислюються(вкладені оцінювання).Для її видалення необхідно "
                    "спочатку видалити ці змінні. Нічого не видалено",
                    "Эта переменная включает в себя переменные, которые вычисляются(вложенные оценивания). Для ее "
                    "удаления необходимо сперва удалить эти переменные. Ничего не удалено"));
            // Found by the record itself: nested evaluations elsewhere in the tree may bear the same name.
            const auto entry = std::find(Form.Evaluations.begin(), Form.Evaluations.end(), input.N);
            if (entry != Form.Evaluations.end()) {
                const int index = static_cast<int>(entry - Form.Evaluations.begin());
                const QSignalBlocker quiet(Form.ListBox1);
                delete Form.ListBox1->takeItem(index);
                Form.Evaluations.erase(entry);
                if (index < Form.CurrentEvaluation)
                    --Form.CurrentEvaluation;
            }
        }
        Editor.RemoveName(name);
        RemoveCorrelationInput(*Form.StringGrid2, q);
        DeleteInput(calc, ToStd(name));
        Editor.ClearFields();
        Editor.SetNameBoxText(QString());
        Done(Tr2("Змінну видалено.", "Переменная удалена."));
    }
    catch (const std::exception& error) {
        ShowMessage(&Editor, ToQt(error.what()));
    }
}
