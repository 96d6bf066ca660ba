#include "ui/main/input_editor.h"

#include "model/input_order.h"
#include "model/list_operations.h"
#include "text/convert_error.h"
#include "text/editing_number.h"
#include "text/number_format.h"
#include "ui/common/message_box.h"
#include "ui/common/text_convert.h"
#include "ui/dialogs/TCalibM.h"
#include "ui/dialogs/TLSFF.h"
#include "ui/dialogs/TNewDialog.h"
#include "ui/dialogs/TOKBottomDlg1.h"
#include "ui/dialogs/TValuesF.h"
#include "ui/main/TMainForm.h"
#include "ui/main/count_text.h"
#include "ui/main/input_dialog_hooks.h"
#include "ui/main/input_position.h"
#include "ui/main/labeled_edit.h"
#include "ui/main/nested_from_file.h"
#include "ui/main/type_b_fields.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {
constexpr int kNameColumnWidth = 280;

QComboBox* DropDown(const QString& name, const QString& hint, QWidget* parent)
{
    auto* box = new QComboBox(parent);
    box->setObjectName(name);
    box->setToolTip(hint);
    return box;
}

QPushButton* Button(const QString& name, const QString& caption, const QString& hint, QWidget* parent)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setToolTip(hint);
    return button;
}

// Caption above the field, as the fields of this tab are laid out.
void AddLabeled(QVBoxLayout* layout, TLabeledEdit* field)
{
    layout->addWidget(field->EditLabel());
    layout->addWidget(field);
}

void AddLabeled(QVBoxLayout* layout, QLabel* label, QWidget* field)
{
    label->setBuddy(field);
    layout->addWidget(label);
    layout->addWidget(field);
}

QPlainTextEdit* Note(const QString& name, const QStringList& lines, QWidget* parent)
{
    auto* note = new QPlainTextEdit(lines.join(u'\n'), parent);
    note->setObjectName(name);
    note->setReadOnly(true);
    note->setFrameShape(QFrame::NoFrame);
    note->setBackgroundRole(QPalette::Window);
    return note;
}

QString Number(double value)
{
    return ToQt(FormatForEditing(value));
}
} // namespace

TInputEditor::TInputEditor(TMainForm& form, QWidget* parent) : QWidget(parent), Form(form)
{
    ValuesF = new TValuesF(&form);
    CalibM = new TCalibM(&form);
    LSFF = new TLSFF(&form);
    OKBottomDlg1 = new TOKBottomDlg1(&form);
    NewDialog = new TNewDialog(&form);

    auto* kinds = new QGridLayout;
    // The four kind groups share one place; exactly one is visible.
    for (QGroupBox* group : {CreateTypeAGroup(), CreateTypeBGroup(), CreateCalculatedGroup(), CreateCalibrationGroup()})
        kinds->addWidget(group, 0, 0);
    kinds->setRowStretch(1, 1);

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(CreateNameColumn());
    layout->addLayout(kinds, 1);

    connect(ComboBox2, &QComboBox::textActivated, this, &TInputEditor::ComboBox2Change);
    connect(ComboBox2->lineEdit(), &QLineEdit::textEdited, this, &TInputEditor::ComboBox2Change);
    ComboBox2->installEventFilter(this);
    connect(ComboBox1, &QComboBox::activated, this, &TInputEditor::ComboBox1Change);
    connect(ComboBox3, &QComboBox::activated, this, &TInputEditor::ComboBox3Change);
    connect(ComboBox8, &QComboBox::activated, this, &TInputEditor::ComboBox8Change);
    connect(ComboBox4, &QComboBox::activated, this, &TInputEditor::ComboBox4Change);
    connect(LabeledEdit3, &TLabeledEdit::Exited, this, &TInputEditor::LabeledEdit3Exit);
    connect(LabeledEdit5, &TLabeledEdit::Exited, this, &TInputEditor::LabeledEdit5Change);
    connect(LE1, &TLabeledEdit::Exited, this, &TInputEditor::LE1Exit);
    connect(LE2, &TLabeledEdit::Exited, this, &TInputEditor::LE2Exit);
    connect(LE16, &TLabeledEdit::Exited, this, &TInputEditor::LE16Exit);
    connect(EnterVal, &QPushButton::clicked, this, &TInputEditor::EnterValClick);
    connect(BMatrix, &QPushButton::clicked, this, &TInputEditor::BMatrixClick);
    connect(LSFBtn, &QPushButton::clicked, this, &TInputEditor::LSFBtnClick);
    connect(CColon, &QPushButton::clicked, this, &TInputEditor::CColonClick);
    connect(AddStBut, &QPushButton::clicked, this, &TInputEditor::AddStButClick);
    connect(&form, &TMainForm::EvaluationShown, this, &TInputEditor::Reset);

    ComboBox4->setCurrentIndex(0);
    ComboBox4Change();
    ComboBox3->setCurrentIndex(0);
    ComboBox8->setCurrentIndex(0);
    ApplyTypeBFields(true);
}

QWidget* TInputEditor::CreateNameColumn()
{
    auto* column = new QWidget(this);
    column->setMinimumWidth(kNameColumnWidth);

    auto* choice = new QGroupBox(tr("Вибір змінної"), column);
    ComboBox2 = DropDown(u"ComboBox2"_s, tr("Перелік існуючих джерел невизначеності."), choice);
    ComboBox2->setEditable(true);
    ComboBox2->setInsertPolicy(QComboBox::NoInsert);
    auto* choiceLayout = new QVBoxLayout(choice);
    choiceLayout->addWidget(ComboBox2);

    LabeledEdit1 = new TLabeledEdit(u"LabeledEdit1"_s, tr("Змінна:"), column);
    LabeledEdit1->setToolTip(tr("Позначення змінної джерела невизначеності"));
    LabeledEdit12 = new TLabeledEdit(u"LabeledEdit12"_s, tr("Одиниця вимірювання:"), column);
    Memo2 = new QPlainTextEdit(column);
    Memo2->setObjectName(u"Memo2"_s);
    Memo2->setToolTip(tr("Текстовий опис джерела невизначеності"));
    ComboBox1 = DropDown(u"ComboBox1"_s, tr("Тип оцінювання невизначеності"), column);
    ComboBox1->addItems({tr("Тип А"), tr("Тип В"), tr("обчислюється"), tr("калібрувальна")});

    auto* commands = new QGroupBox(tr("Керування джерелами(складовими)"), column);
    Button1 = Button(u"Button1"_s, tr("Додати нову..."), tr("Додання нового джерела невизначеності"), commands);
    Button6 = Button(u"Button6"_s, tr("Підтвердити зміни"),
                     tr("Підтвердження змін для поточного джерела невизначеності"), commands);
    Button3 = Button(u"Button3"_s, tr("Видалити"), tr("Видалення джерела невизначеності"), commands);
    auto* commandsLayout = new QGridLayout(commands);
    commandsLayout->addWidget(Button1, 0, 0);
    commandsLayout->addWidget(Button3, 0, 1);
    commandsLayout->addWidget(Button6, 1, 0, 1, 2);

    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(choice);
    AddLabeled(layout, LabeledEdit1);
    AddLabeled(layout, LabeledEdit12);
    AddLabeled(layout, new QLabel(tr("Текстовий опис:"), column), Memo2);
    AddLabeled(layout, new QLabel(tr("Тип:"), column), ComboBox1);
    layout->addWidget(commands);
    return column;
}

QGroupBox* TInputEditor::CreateTypeAGroup()
{
    GroupBox3 = new QGroupBox(tr("По типу А"), this);
    GroupBox3->setObjectName(u"GroupBox3"_s);
    ComboBox4 = DropDown(u"ComboBox4"_s, tr("Спосіб оцінювання невизначеності за типом А"), GroupBox3);
    ComboBox4->addItems({tr("Експериментальне"), tr("Попередньо оцінене")});
    LabeledEdit3 = new TLabeledEdit(u"LabeledEdit3"_s, tr("Кількість спостережень:"), GroupBox3);
    EnterVal = Button(u"EnterVal"_s, tr("Ввести значення"), tr("Натисніть для введення результатів спостережень"),
                      GroupBox3);
    CColon = Button(u"CColon"_s, tr("Підрахунок КУО"), tr("Натисніть для введення підрахованої кількості"), GroupBox3);
    LabeledEdit2 = new TLabeledEdit(u"LabeledEdit2"_s, tr("Стандартне відхилення:"), GroupBox3);
    LabeledEdit4 = new TLabeledEdit(u"LabeledEdit4"_s, tr("Степені свободи:"), GroupBox3);
    LabeledEdit4->setText(InfinityText());
    CheckBox1 = new QCheckBox(tr("Нормировать значение"), GroupBox3);
    CheckBox1->setObjectName(u"CheckBox1"_s);

    auto* count = new QHBoxLayout;
    count->addWidget(LabeledEdit3);
    count->addWidget(EnterVal);
    count->addWidget(CColon);
    auto* layout = new QVBoxLayout(GroupBox3);
    AddLabeled(layout, new QLabel(tr("Оцінювання невизначеності:"), GroupBox3), ComboBox4);
    layout->addWidget(LabeledEdit3->EditLabel());
    layout->addLayout(count);
    AddLabeled(layout, LabeledEdit2);
    AddLabeled(layout, LabeledEdit4);
    layout->addWidget(CheckBox1);
    layout->addStretch();
    return GroupBox3;
}

QGroupBox* TInputEditor::CreateTypeBGroup()
{
    GroupBox4 = new QGroupBox(tr("По типу В"), this);
    GroupBox4->setObjectName(u"GroupBox4"_s);
    ComboBox3 =
        DropDown(u"ComboBox3"_s, tr("Тип апріорного розподілу імовірностей джерела невизначеності"), GroupBox4);
    ComboBox3->addItems(
        {tr("Нормальний"), tr("Рівномірний"), tr("Трикутний"), tr("Трапецеподібний"), tr("U-розподіл")});
    Label15 = new QLabel(tr("Параметри розподілів:"), GroupBox4);
    Label15->setObjectName(u"Label15"_s);
    ComboBox8 = DropDown(u"ComboBox8"_s, tr("Спосіб задання параметрів розподілу"), GroupBox4);
    ComboBox8->addItems({tr("Верхня/нижня межа"), tr("Центр/півширина")});

    auto* parameters = new QGroupBox(tr("Параметри розподілу"), GroupBox4);
    LabeledEdit5 = new TLabeledEdit(u"LabeledEdit5"_s, QString(), parameters);
    LabeledEdit6 = new TLabeledEdit(u"LabeledEdit6"_s, QString(), parameters);
    LabeledEdit7 = new TLabeledEdit(u"LabeledEdit7"_s, QString(), parameters);
    auto* parametersLayout = new QVBoxLayout(parameters);
    for (TLabeledEdit* field : {LabeledEdit5, LabeledEdit6, LabeledEdit7})
        AddLabeled(parametersLayout, field);
    LabeledEdit14 = new TLabeledEdit(u"LabeledEdit14"_s, tr("Степені свободи"), GroupBox4);
    LabeledEdit14->setText(InfinityText());

    auto* layout = new QVBoxLayout(GroupBox4);
    AddLabeled(layout, new QLabel(tr("Вид розподілу:"), GroupBox4), ComboBox3);
    AddLabeled(layout, Label15, ComboBox8);
    layout->addWidget(parameters);
    AddLabeled(layout, LabeledEdit14);
    layout->addStretch();
    return GroupBox4;
}

QGroupBox* TInputEditor::CreateCalculatedGroup()
{
    GroupBox13 = new QGroupBox(tr("Джерело невизначеності обчислюється"), this);
    GroupBox13->setObjectName(u"GroupBox13"_s);
    Memo4 = Note(u"Memo4"_s,
                 {tr("Це джерело невизначеності оцінюється згідно"), tr("своєї математичної моделі та власних джерел"),
                  tr("невизначеності."), tr("Перемикатися між змінним можна за допомогою "), tr("панелі зліва  "),
                  u"<------------"_s},
                 GroupBox13);
    AddStBut = Button(u"AddStBut"_s, tr("Завантажити стандартне з файлу..."),
                      tr("Завантажити вкладене оцінювання з файлу невизначеності"), GroupBox13);
    Memo5 = Note(u"Memo5"_s, {tr("Завантаження джерела невизначеності "), tr("відбудеться з наступного файлу:"), {}},
                 GroupBox13);
    Memo5->hide();

    auto* button = new QHBoxLayout;
    button->addWidget(AddStBut);
    button->addStretch();
    auto* layout = new QVBoxLayout(GroupBox13);
    layout->addWidget(Memo4);
    layout->addLayout(button);
    layout->addWidget(Memo5);
    layout->addStretch();
    return GroupBox13;
}

QGroupBox* TInputEditor::CreateCalibrationGroup()
{
    GroupBox14 = new QGroupBox(tr("Невизначеність, що вноситься калібруванням"), this);
    GroupBox14->setObjectName(u"GroupBox14"_s);
    LE1 = new TLabeledEdit(u"LE1"_s, tr("кількість вимірювань для калібрування"), GroupBox14);
    LE2 = new TLabeledEdit(u"LE2"_s, tr("кількість стандартних зразків для калібрування"), GroupBox14);
    BMatrix = Button(u"BMatrix"_s, tr("задати дані калібрування"), QString(), GroupBox14);
    LE16 = new TLabeledEdit(u"LE16"_s, tr("кількість вимірювань"), GroupBox14);
    LE16->setToolTip(tr("Кількість вимірювань зразку, невизначеність вимірювання якого оцінюється"));
    Label14 = new QLabel(tr("Результати"), GroupBox14);
    Label14->setObjectName(u"Label14"_s);
    SG4 = new QTableWidget(1, 1, GroupBox14);
    SG4->setObjectName(u"SG4"_s);
    SG4->horizontalHeader()->hide();
    SG4->horizontalHeader()->setStretchLastSection(true);
    LSFBtn = Button(u"LSFBtn"_s, tr("результат калібрування"), tr("Графік калібрування, побудований за МНК"),
                    GroupBox14);
    CheckBoxAppr = new QCheckBox(tr("Квадратична апроксимація"), GroupBox14);
    CheckBoxAppr->setObjectName(u"CheckBoxAppr"_s);
    CheckBoxAppr->setToolTip(tr("Апроксимація квадратичною залежністю"));

    auto* fields = new QVBoxLayout;
    for (TLabeledEdit* field : {LE1, LE2})
        AddLabeled(fields, field);
    fields->addWidget(BMatrix);
    AddLabeled(fields, LE16);
    fields->addWidget(CheckBoxAppr);
    fields->addWidget(LSFBtn);
    fields->addStretch();
    auto* sample = new QVBoxLayout;
    AddLabeled(sample, Label14, SG4);
    auto* layout = new QHBoxLayout(GroupBox14);
    layout->addLayout(fields, 1);
    layout->addLayout(sample);
    return GroupBox14;
}

QString TInputEditor::InfinityText()
{
    return Tr2("Безмежність", "Бесконечность");
}

QString TInputEditor::NameBoxText() const
{
    return ComboBox2->currentText();
}

void TInputEditor::SetNameBoxText(const QString& text)
{
    const QSignalBlocker quiet(ComboBox2);
    ComboBox2->setEditText(text);
}

QStringList TInputEditor::Names() const
{
    QStringList names;
    for (int k = 0; k < ComboBox2->count(); ++k)
        names << ComboBox2->itemText(k);
    return names;
}

void TInputEditor::AppendName(const QString& name)
{
    const QString text = NameBoxText();
    const QSignalBlocker quiet(ComboBox2);
    ComboBox2->addItem(name);
    ComboBox2->setEditText(text);
}

void TInputEditor::RemoveName(const QString& name)
{
    const int k = ComboBox2->findText(name, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (k < 0)
        return;
    const QString text = NameBoxText();
    const QSignalBlocker quiet(ComboBox2);
    ComboBox2->removeItem(k);
    ComboBox2->setEditText(text);
}

void TInputEditor::Reset()
{
    ClearFields();
    ClearGrids();
    SetDescriptionFieldsEnabled(true);
    Button6->setEnabled(true);
    SelectKind(TKindItem::TypeB);
    Memo5->hide();
    NestedFileName.clear();
    const QSignalBlocker quiet(ComboBox2);
    ComboBox2->clear();
    for (const InputView& input : InputsInOrder(Form.ShownEvaluation()))
        ComboBox2->addItem(ToQt(input.Name()));
    ComboBox2->setEditText(QString());
}

void TInputEditor::ClearFields()
{
    Memo2->clear();
    for (TLabeledEdit* field : {LabeledEdit1, LabeledEdit12, LabeledEdit2, LabeledEdit14, LabeledEdit3, LabeledEdit4,
                                LabeledEdit5, LabeledEdit6, LabeledEdit7})
        field->clear();
    CheckBoxAppr->setChecked(false);
}

void TInputEditor::ClearGrids()
{
    SG4->clearContents();
    SG4->setRowCount(1);
    ValuesF->Clear();
    CalibM->Clear();
}

void TInputEditor::SetDescriptionFieldsEnabled(bool enabled)
{
    for (QWidget* field : std::initializer_list<QWidget*>{Memo2, LabeledEdit1, LabeledEdit12})
        field->setEnabled(enabled);
}

void TInputEditor::SetSampleRows(int n)
{
    const int rows = std::max(n, 1);
    // Rows that are dropped and come back later come back empty.
    for (int row = rows; row < SG4->rowCount(); ++row)
        delete SG4->takeItem(row, 0);
    SG4->setRowCount(rows);
}

void TInputEditor::ShowKindGroup(TKindItem kind)
{
    GroupBox3->setVisible(kind == TKindItem::TypeA);
    GroupBox4->setVisible(kind == TKindItem::TypeB);
    GroupBox13->setVisible(kind == TKindItem::Calculated);
    GroupBox14->setVisible(kind == TKindItem::Calibration);
}

void TInputEditor::SelectKind(TKindItem kind)
{
    ComboBox1->setEnabled(true);
    ComboBox1->setCurrentIndex(static_cast<int>(kind));
    ShowKindGroup(kind);
}

TKindItem TInputEditor::ChosenKind() const
{
    const int item = ComboBox1->currentIndex();
    return item >= 0 && item <= 2 ? static_cast<TKindItem>(item) : TKindItem::Calibration;
}

void TInputEditor::ComboBox1Change()
{
    ShowKindGroup(ChosenKind());
}

void TInputEditor::ApplyTypeBFields(bool bySelector)
{
    const TTypeBFields shown = TypeBFields(ComboBox3->currentIndex(), ComboBox8->currentIndex() == 1, bySelector);
    const std::array<TLabeledEdit*, 3> fields = {LabeledEdit5, LabeledEdit6, LabeledEdit7};
    for (size_t k = 0; k < fields.size(); ++k) {
        fields[k]->EditLabel()->setText(shown.Fields[k].Label);
        fields[k]->setVisible(shown.Fields[k].Visible);
    }
    Label15->setVisible(shown.ModeVisible);
    ComboBox8->setVisible(shown.ModeVisible);
}

void TInputEditor::ComboBox3Change()
{
    for (TLabeledEdit* field : {LabeledEdit5, LabeledEdit6, LabeledEdit7})
        field->clear();
    ApplyTypeBFields(true);
}

void TInputEditor::ComboBox8Change()
{
    ApplyTypeBFields(false);
}

void TInputEditor::ComboBox4Change()
{
    const bool prior = ComboBox4->currentIndex() != 0;
    LabeledEdit2->setVisible(prior);
    LabeledEdit4->setVisible(prior);
    if (prior) {
        LabeledEdit2->clear();
        LabeledEdit4->clear();
    }
}

bool TInputEditor::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ComboBox2 && event->type() == QEvent::FocusOut) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            ComboBox2Exit();
    }
    return QWidget::eventFilter(watched, event);
}

void TInputEditor::ComboBox2Exit()
{
    if (NameBoxText().isEmpty() && ComboBox2->count() > 0) {
        SetNameBoxText(ComboBox2->itemText(0));
        ComboBox2Change();
    }
}

void TInputEditor::ComboBox2Change()
{
    if (NameBoxText().isEmpty() && ComboBox2->count() > 0)
        SetNameBoxText(ComboBox2->itemText(0));
    SetDescriptionFieldsEnabled(true);
    Button6->setEnabled(true);
    ValuesF->Clear();
    CalibM->Clear();

    const TOrmetaCalc& calc = Form.ShownEvaluation();
    const int position = InputPosition(calc, ToStd(NameBoxText()));
    if (position < 0) {
        // A text that names no input gives way to the first name; a list that names none empties the box.
        const bool firstTried = ComboBox2->count() > 0 && NameBoxText() == ComboBox2->itemText(0);
        SetNameBoxText(ComboBox2->count() > 0 && !firstTried ? ComboBox2->itemText(0) : QString());
        if (!NameBoxText().isEmpty())
            ComboBox2Change();
        return;
    }
    try {
        const InputView input = InputAt(calc, position);
        switch (input.Kind) {
        case InputKind::TypeA:
            ShowTypeA(*input.A);
            break;
        case InputKind::TypeB:
            ShowTypeB(*input.B);
            break;
        case InputKind::Nested:
            ShowCalculated(*input.N);
            break;
        case InputKind::TypeG:
            ShowCalibration(*input.G);
            break;
        }
    }
    catch (const EConvertError& error) {
        ShowMessage(this, ToQt(error.what()));
    }
}

void TInputEditor::ShowHead(const std::string& description, const std::string& name, const std::string& unit)
{
    Memo2->setPlainText(ToQt(description));
    LabeledEdit1->setText(ToQt(name));
    LabeledEdit12->setText(ToQt(unit));
}

void TInputEditor::ShowDof(TLabeledEdit* field, int32_t dof)
{
    field->setText(dof <= 0 ? InfinityText() : QString::number(dof));
}

void TInputEditor::ShowTypeA(const TOrmetaTypeA& input)
{
    CheckBox1->setChecked(input.Normalized);
    ShowHead(input.Description, input.Name, input.Unit);
    SelectKind(TKindItem::TypeA);
    LabeledEdit3->setText(QString::number(input.Count));
    ValuesF->SetObservations(input.Observations);
    ComboBox4->setCurrentIndex(input.HasPriorSD ? 1 : 0);
    LabeledEdit2->setVisible(input.HasPriorSD);
    LabeledEdit4->setVisible(input.HasPriorSD);
    if (input.HasPriorSD) {
        LabeledEdit2->setText(Number(input.PriorSD));
        ShowDof(LabeledEdit4, input.Dof);
    }
}

void TInputEditor::ShowTypeB(const TOrmetaTypeB& input)
{
    ShowHead(input.Description, input.Name, input.Unit);
    ShowDof(LabeledEdit14, input.Dof);
    SelectKind(TKindItem::TypeB);
    const int item = DistributionItem(input.Distribution);
    ComboBox3->setCurrentIndex(item);
    const auto distribution = static_cast<TDistributionItem>(item);
    const bool twoBounds = distribution == TDistributionItem::Uniform || distribution == TDistributionItem::Triangular;
    if (twoBounds || distribution == TDistributionItem::Normal)
        ComboBox8->setCurrentIndex(input.HalfWidthForm ? 1 : 0);
    ApplyTypeBFields(false);
    const std::array<double, 3> values =
        twoBounds ? std::array<double, 3>{input.ParamA, input.ParamB, 0} : std::array{input.ParamP, input.ParamA, input.ParamB};
    const std::array<TLabeledEdit*, 3> fields = {LabeledEdit5, LabeledEdit6, LabeledEdit7};
    for (size_t k = 0; k < fields.size(); ++k)
        fields[k]->setText(fields[k]->isHidden() ? QString() : Number(values[k]));
}

void TInputEditor::ShowCalculated(const TOrmetaCalc& nested)
{
    AddStBut->setEnabled(false);
    Memo5->hide();
    SetDescriptionFieldsEnabled(false);
    Button6->setEnabled(false);
    ShowHead(nested.ModelDescription, nested.OutputName, nested.OutputUnit);
    ComboBox1->setCurrentIndex(static_cast<int>(TKindItem::Calculated));
    ComboBox1->setEnabled(false);
    ShowKindGroup(TKindItem::Calculated);
}

void TInputEditor::ShowCalibration(const TOrmetaTypeG& input)
{
    ShowHead(input.Description, input.Name, input.Unit);
    SelectKind(TKindItem::Calibration);
    LE1->setText(QString::number(input.Repeats));
    LE2->setText(QString::number(input.Standards));
    LE16->setText(QString::number(input.Count));
    SG4->clearContents();
    SetSampleRows(input.Count);
    for (int row = 0; row < input.Count && row < static_cast<int>(input.Measurements.size()); ++row)
        SG4->setItem(row, 0, new QTableWidgetItem(Number(input.Measurements[static_cast<size_t>(row)])));
    CheckBoxAppr->setChecked(input.IsQuadratic);
    CalibM->SetDimensions(input.Repeats, input.Standards);
    CalibM->SetMatrix(input.CalibrationData);
}

void TInputEditor::RefuseField(QWidget* field, const QString& message)
{
    ShowMessage(this, message);
    QTimer::singleShot(0, field, [field] { field->setFocus(Qt::OtherFocusReason); });
}

void TInputEditor::LabeledEdit3Exit()
{
    const std::optional<int> n = IntegerOf(LabeledEdit3->text());
    if (!n)
        RefuseField(LabeledEdit3, Tr2("Не число. Змініть значення.", "Не число. Измените значение."));
    else if (*n <= 0)
        RefuseField(LabeledEdit3, Tr2("Кількість спостережень задано некоректно. Змініть значення.",
                                      "Количество наблюдений указано некоректно. Измените значение."));
}

void TInputEditor::LabeledEdit5Change()
{
    try {
        const double value = ParseNumber(ToStd(LabeledEdit5->text()));
        if (ComboBox3->currentIndex() == static_cast<int>(TDistributionItem::Normal) && !(value > 0 && value < 1))
            RefuseField(LabeledEdit5, Tr2("Повинне бути значення від 0 до 1!", "Должно быть значение от 0 до 1!"));
    }
    catch (const EConvertError& error) {
        RefuseField(LabeledEdit5, ToQt(error.what()));
    }
}

void TInputEditor::CheckPositiveCount(TLabeledEdit* field, const QString& message)
{
    if (IntegerOf(field->text()).value_or(0) <= 0)
        RefuseField(field, message);
}

void TInputEditor::LE1Exit()
{
    CheckPositiveCount(LE1, Tr2("Занадто мало вимірів", "Слишком мало измерений"));
}

void TInputEditor::LE2Exit()
{
    CheckPositiveCount(LE2, Tr2("Занадто мало стандартів", "Слишком мало стандартов"));
}

void TInputEditor::LE16Exit()
{
    CheckPositiveCount(LE16, Tr2("Занадто мало вимірювань", "Слишком мало измерений"));
    SetSampleRows(IntegerOf(LE16->text()).value_or(0));
}

void TInputEditor::EnterValClick()
{
    try {
        const int n = ReadCount(LabeledEdit3->text());
        // A count below 1 has just been refused by the field's own check; there is nothing to enter.
        if (n < 1)
            return;
        ValuesF->SetObservationCount(n);
        ShowInputWindow(*ValuesF, [this] { ValuesF->Edit(); });
    }
    catch (const EConvertError& error) {
        ShowMessage(this, ToQt(error.what()));
    }
}

void TInputEditor::BMatrixClick()
{
    const std::optional<int> m = IntegerOf(LE1->text());
    const std::optional<int> k = IntegerOf(LE2->text());
    if (!m || !k || *m < 1 || *k < 1) {
        ShowMessage(this, Tr2("Помилка. Невірно задана кількість вимірювань або стандартних зразків.",
                              "Ошибка. Неправильно задано количество измерений или стандартных образцов."));
        return;
    }
    try {
        CalibM->SetDimensions(*m, *k);
        const TOrmetaCalc& calc = Form.ShownEvaluation();
        const std::string name = ToStd(NameBoxText());
        for (const auto& input : calc.TypeG) {
            if (input->Name == name)
                CalibM->SetMatrix(input->CalibrationData);
        }
        ShowInputWindow(*CalibM, [this] { CalibM->Edit(); });
    }
    catch (const EConvertError& error) {
        ShowMessage(this, ToQt(error.what()));
    }
}

void TInputEditor::LSFBtnClick()
{
    LSFF->Draw(Form.ShownEvaluation(), ToStd(LabeledEdit1->text()));
    ShowInputWindow(*LSFF, [this] { LSFF->exec(); });
}

void TInputEditor::CColonClick()
{
    const std::optional<TColonyCountEntry> entry = AskColonyCount(*OKBottomDlg1);
    if (!entry)
        return;
    LabeledEdit3->setText(u"1"_s);
    ComboBox4->setCurrentIndex(1);
    LabeledEdit2->setText(entry->StdDeviation);
    LabeledEdit2->setVisible(true);
    LabeledEdit4->setText(entry->Dof);
    LabeledEdit4->setVisible(true);
    ValuesF->SetObservationTexts({entry->Observation});
}

void TInputEditor::AddStButClick()
{
    ChooseNestedFile(*this, Form.CurrentFileName);
}
