#include "ui/formula/TFormula.h"

#include "ui/formula/formula_picture.h"
#include "ui/main/labeled_edit.h"

#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

using namespace Qt::StringLiterals;

int FormulaZoom = 13;

namespace {
constexpr int ZoomStep = 3;
constexpr int LargestZoom = 66;
constexpr int KeySize = 25;
constexpr int VarButtonWidth = 105;
constexpr int VarButtonHeight = 25;
constexpr int VarColumnStep = 110;
constexpr int VarRowStep = 30;
constexpr int VarMargin = 5;
constexpr int PictureRoom = 15;

TFormulaRunner& InstalledRunner()
{
    static TFormulaRunner runner;
    return runner;
}

QFrame* Bevel(QWidget* parent)
{
    auto* bevel = new QFrame(parent);
    bevel->setFrameShape(QFrame::VLine);
    bevel->setFrameShadow(QFrame::Raised);
    bevel->setLineWidth(2);
    return bevel;
}
} // namespace

void SetFormulaRunner(TFormulaRunner runner)
{
    InstalledRunner() = std::move(runner);
}

int RunFormulaEditor(TFormula& editor)
{
    if (InstalledRunner())
        return InstalledRunner()(editor);
    return editor.exec();
}

TFormula::TFormula(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(u"Formula"_s);
    setWindowTitle(u"Ormeta"_s);

    ScrollBox1 = new QScrollArea(this);
    ScrollBox1->setObjectName(u"ScrollBox1"_s);
    ScrollBox1->setFixedSize(709, 183);
    ScrollBox1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ScrollBox1->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    ScrollBox1->setBackgroundRole(QPalette::Base);
    ScrollBox1->viewport()->installEventFilter(this);
    Image = new QLabel;
    Image->setObjectName(u"Image"_s);
    Image->setToolTip(
        tr("Формула математичної моделі вимірювання(залежність результату вимірювання від вхідних величин)"));
    ScrollBox1->setWidget(Image);

    ZoomPlus = new QPushButton(u"  "_s + tr("Крупніше"), this);
    ZoomPlus->setObjectName(u"ZoomPlus"_s);
    ZoomPlus->setToolTip(tr("Формула крупніше"));
    ZoomMinus = new QPushButton(u"  "_s + tr("Дрібніше"), this);
    ZoomMinus->setObjectName(u"ZoomMinus"_s);
    ZoomMinus->setToolTip(tr("Форумла дрібніше"));
    for (QPushButton* zoom : {ZoomPlus, ZoomMinus})
        zoom->setFocusPolicy(Qt::NoFocus);

    VarEdit = new QLineEdit(u"<головна>"_s, this);
    VarEdit->setObjectName(u"VarEdit"_s);
    VarEdit->setToolTip(tr("Позначення результату вимірювання"));
    VarEdit->setMaximumWidth(160);
    EqLabel = new QLabel(u"="_s, this);
    EqLabel->setObjectName(u"EqLabel"_s);
    EditFormula = new QLineEdit(this);
    EditFormula->setObjectName(u"EditFormula"_s);
    EditFormula->setToolTip(tr("Поле задання формули"));
    LabeledEdit13 = new TLabeledEdit(u"LabeledEdit13"_s, tr("Одиниця вимірювання результату:"), this);

    GroupCalc = new QGroupBox(this);
    GroupCalc->setObjectName(u"GroupCalc"_s);
    VarBox = new QScrollArea(GroupCalc);
    VarBox->setObjectName(u"VarBox"_s);
    VarBox->setToolTip(tr("Тут розміщені позначення змінних джерел(складових) невизначеності"));
    VarBox->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Hidden without inputs, but it keeps its place so that the keypad does not move.
    QSizePolicy keepPlace = VarBox->sizePolicy();
    keepPlace.setRetainSizeWhenHidden(true);
    VarBox->setSizePolicy(keepPlace);
    VarPanel = new QWidget;
    VarBox->setWidget(VarPanel);
    auto* calcLayout = new QHBoxLayout(GroupCalc);
    calcLayout->addWidget(CreateKeypad());
    calcLayout->addWidget(VarBox, 1);

    bOK = new QPushButton(u"ОК"_s, this);
    bOK->setObjectName(u"bOK"_s);
    bOK->setToolTip(tr("Підтвердити зміни до математичної моделі"));
    bOK->setDefault(true);
    bCancel = new QPushButton(tr("Відмінити"), this);
    bCancel->setObjectName(u"bCancel"_s);
    bCancel->setToolTip(tr("Повернутися до головного вікна без збереження змін"));

    auto* pictureRow = new QHBoxLayout;
    pictureRow->addWidget(ScrollBox1);
    auto* zoomColumn = new QVBoxLayout;
    zoomColumn->addWidget(ZoomPlus);
    zoomColumn->addWidget(ZoomMinus);
    zoomColumn->addStretch();
    pictureRow->addLayout(zoomColumn);
    auto* formulaRow = new QHBoxLayout;
    formulaRow->addWidget(VarEdit);
    formulaRow->addWidget(EqLabel);
    formulaRow->addWidget(EditFormula, 1);
    auto* unitRow = new QHBoxLayout;
    unitRow->addWidget(LabeledEdit13->EditLabel());
    unitRow->addWidget(LabeledEdit13, 1);
    auto* buttonRow = new QHBoxLayout;
    buttonRow->addStretch();
    buttonRow->addWidget(bOK);
    buttonRow->addWidget(bCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(pictureRow);
    layout->addLayout(formulaRow);
    layout->addLayout(unitRow);
    layout->addWidget(GroupCalc, 1);
    layout->addLayout(buttonRow);
    setFixedSize(QSize(776, 476).expandedTo(layout->sizeHint()));

    connect(ZoomPlus, &QPushButton::clicked, this, &TFormula::ZoomPlusClick);
    connect(ZoomMinus, &QPushButton::clicked, this, &TFormula::ZoomMinusClick);
    connect(EditFormula, &QLineEdit::textChanged, this, &TFormula::TextChanged);
    connect(VarEdit, &QLineEdit::textChanged, this, &TFormula::TextChanged);
    connect(bOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(bCancel, &QPushButton::clicked, this, &QDialog::reject);
}

QToolButton* TFormula::KeypadButton(const QString& caption, const QString& hint)
{
    auto* button = new QToolButton(this);
    button->setText(caption);
    button->setToolTip(hint);
    // The caret stays in the formula while the keypad is used.
    button->setFocusPolicy(Qt::NoFocus);
    if (caption == u"back"_s)
        connect(button, &QToolButton::clicked, this, &TFormula::BackClick);
    else
        connect(button, &QToolButton::clicked, this, [this, caption] { CalcClick(caption); });
    return button;
}

QWidget* TFormula::CreateKeypad()
{
    struct TKey {
        const char* Caption;
        const char* Hint;
    };
    using TBlock = std::vector<std::vector<TKey>>;
    const TBlock digits = {
        {{"1", ""}, {"2", ""}, {"3", ""}, {"/", QT_TR_NOOP("поділити")}},
        {{"4", ""}, {"5", ""}, {"6", ""}, {"*", QT_TR_NOOP("помножити")}},
        {{"7", ""}, {"8", ""}, {"9", ""}, {"-", QT_TR_NOOP("відняти")}},
        {{"0", ""},
         {",", QT_TR_NOOP("Розділювач цілої та дрібної частини")},
         {"back", QT_TR_NOOP("Видалити символ перед курсором")},
         {"+", QT_TR_NOOP("додати")}},
    };
    const TBlock functions = {
        {{"sin", ""}, {"cos", ""}, {"tg", ""}, {"ctg", ""}},
        {{"exp", ""}, {"ln", ""}, {"log", ""}, {"sqrt", QT_TR_NOOP("Квадратний корінь")}},
        {{"asin", ""}, {"acos", ""}, {"atg", ""}, {"actg", ""}},
    };
    const TBlock brackets = {
        {{"(", ""}, {")", ""}},
        {{"^", QT_TR_NOOP("Возведення у стпепінь")}},
    };

    auto* keypad = new QWidget(this);
    auto* row = new QHBoxLayout(keypad);
    row->setContentsMargins(0, 0, 0, 0);
    std::vector<QToolButton*> keys;
    bool first = true;
    for (const TBlock* block : {&digits, &functions, &brackets}) {
        if (!first)
            row->addWidget(Bevel(keypad));
        first = false;
        auto* grid = new QGridLayout;
        grid->setSpacing(7);
        for (int r = 0; r < static_cast<int>(block->size()); ++r) {
            for (int c = 0; c < static_cast<int>((*block)[r].size()); ++c) {
                const TKey& key = (*block)[r][c];
                QToolButton* button =
                    KeypadButton(QString::fromUtf8(key.Caption), *key.Hint ? tr(key.Hint) : QString());
                grid->addWidget(button, r, c);
                keys.push_back(button);
            }
        }
        grid->setRowStretch(4, 1);
        row->addLayout(grid);
    }
    // One size for every key, wide enough for the longest caption.
    int width = KeySize;
    for (const QToolButton* key : keys)
        width = std::max(width, key->sizeHint().width());
    for (QToolButton* key : keys)
        key->setFixedSize(width, KeySize);
    return keypad;
}

void TFormula::SetModel(const QString& name, const QString& formula, const QString& unit, const QStringList& inputNames)
{
    InputNames = inputNames;
    VarEdit->setText(name);
    EditFormula->setText(formula);
    LabeledEdit13->setText(unit);
    EditFormula->setCursorPosition(static_cast<int>(formula.size()));
}

QString TFormula::OutputName() const
{
    return VarEdit->text().trimmed();
}

QString TFormula::Formula() const
{
    return EditFormula->text().trimmed();
}

QString TFormula::Unit() const
{
    return LabeledEdit13->text().trimmed();
}

void TFormula::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    FillVar();
    PaintPicture();
    EditFormula->setFocus();
}

// Showing a dialog gives its focus widget a tab focus, which would select the whole formula: the
// caret or the selection that the caller set is put back.
void TFormula::setVisible(bool visible)
{
    const bool selected = EditFormula->hasSelectedText();
    const int start = selected ? EditFormula->selectionStart() : EditFormula->cursorPosition();
    const int length = static_cast<int>(EditFormula->selectedText().size());
    QDialog::setVisible(visible);
    if (!visible)
        return;
    if (selected)
        EditFormula->setSelection(start, length);
    else
        EditFormula->setCursorPosition(start);
}

void TFormula::hideEvent(QHideEvent* event)
{
    RemVar();
    QDialog::hideEvent(event);
}

void TFormula::FillVar()
{
    RemVar();
    const int width = VarBox->viewport()->width();
    int left = VarMargin;
    int top = VarMargin;
    for (const QString& name : InputNames) {
        if (name == VarEdit->text())
            continue;
        if (left > width - (VarButtonWidth + 10)) {
            left = VarMargin;
            top += VarRowStep;
        }
        auto* button = new QToolButton(VarPanel);
        button->setText(name);
        button->setToolTip(name);
        button->setFocusPolicy(Qt::NoFocus);
        button->setGeometry(left, top, VarButtonWidth, VarButtonHeight);
        button->show();
        connect(button, &QToolButton::clicked, this, [this, name] { CalcClick(name); });
        VarButtons.push_back(button);
        left += VarColumnStep;
    }
    VarPanel->resize(width, top + VarRowStep);
    VarBox->setVisible(!VarButtons.empty());
}

void TFormula::RemVar()
{
    for (QToolButton* button : VarButtons)
        delete button;
    VarButtons.clear();
}

void TFormula::CalcClick(const QString& caption)
{
    if (focusWidget() != EditFormula)
        return;
    EditFormula->insert(caption);
}

void TFormula::BackClick()
{
    if (focusWidget() != EditFormula)
        return;
    const int start = EditFormula->hasSelectedText() ? EditFormula->selectionStart() : EditFormula->cursorPosition();
    if (start == 0)
        return;
    EditFormula->setSelection(start - 1, 1);
    EditFormula->del();
}

void TFormula::PaintPicture()
{
    const QString formula = EditFormula->text().trimmed().isEmpty() ? u" "_s : EditFormula->text();
    Image->setPixmap(QPixmap::fromImage(PaintFormula(VarEdit->text(), formula, FormulaZoom)));
    Image->adjustSize();
}

bool TFormula::PictureTooHigh() const
{
    return Image->height() >= ScrollBox1->height() - PictureRoom;
}

void TFormula::ZoomPlusClick()
{
    if (FormulaZoom < LargestZoom && !PictureTooHigh())
        FormulaZoom += ZoomStep;
    PaintPicture();
    while (PictureTooHigh() && FormulaZoom > 1)
        ZoomMinusClick();
}

void TFormula::ZoomMinusClick()
{
    if (FormulaZoom > 1)
        FormulaZoom -= ZoomStep;
    PaintPicture();
}

void TFormula::TextChanged()
{
    if (!isVisible())
        return;
    PaintPicture();
    while (PictureTooHigh() && FormulaZoom > 1)
        ZoomMinusClick();
    // The end of the formula, where the user types, stays in view.
    QScrollBar* bar = ScrollBox1->horizontalScrollBar();
    if (bar->isVisible())
        bar->setValue(bar->maximum());
}

bool TFormula::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ScrollBox1->viewport() && event->type() == QEvent::MouseButtonPress) {
        EditFormula->setFocus();
        EditFormula->end(false);
    }
    return QDialog::eventFilter(watched, event);
}
