#include "ui/main/correlation_tab.h"

#include "model/input_order.h"
#include "text/convert_error.h"
#include "text/language.h"
#include "text/number_format.h"
#include "ui/common/message_box.h"
#include "ui/common/text_convert.h"
#include "ui/main/TMainForm.h"
#include "ui/main/input_editor.h"
#include "ui/main/input_position.h"
#include "ui/main/labeled_edit.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>

#include <cmath>
#include <numeric>
#include <optional>

using namespace Qt::StringLiterals;

namespace {
constexpr int kCoefficientWidth = 90;

QComboBox* InputBox(const QString& name, QWidget* parent)
{
    auto* box = new QComboBox(parent);
    box->setObjectName(name);
    box->setToolTip(TCorrelationTab::tr("Вибір джерела невизначеності"));
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setMinimumContentsLength(12);
    return box;
}

double Mean(const TArrDouble& values)
{
    return std::accumulate(values.begin(), values.end(), 0.0) / static_cast<double>(values.size());
}

// The sample correlation coefficient of two series of the same length; nothing when either has no spread.
std::optional<double> SampleCorrelation(const TArrDouble& x, const TArrDouble& y)
{
    if (x.empty() || x.size() != y.size())
        return std::nullopt;
    // The means of the observations themselves: a normalised input's estimate is 0, not its mean.
    const double meanX = Mean(x);
    const double meanY = Mean(y);
    double sxy = 0;
    double sxx = 0;
    double syy = 0;
    for (size_t i = 0; i < x.size(); ++i) {
        sxy += (x[i] - meanX) * (y[i] - meanY);
        sxx += (x[i] - meanX) * (x[i] - meanX);
        syy += (y[i] - meanY) * (y[i] - meanY);
    }
    const double scale = std::sqrt(sxx * syy);
    if (!(scale > 0) || !std::isfinite(scale))
        return std::nullopt;
    return sxy / scale;
}

// A coefficient is a number from -1 to 1; anything else raises EConvertError.
void CheckCoefficient(const QString& text)
{
    const double value = ParseNumber(ToStd(text));
    if (value > 1 || value < -1)
        throw EConvertError(Msg("Значення коефіцієнту кореляції повинне бути значення від -1 до 1!",
                                "Значение коэффициента корреляции должно быть от -1 до 1!"));
}

// The Type A input of that name, or null.
const TOrmetaTypeA* TypeANamed(const TOrmetaCalc& calc, const QString& name)
{
    const int p = InputPosition(calc, ToStd(name));
    return p >= 0 ? InputAt(calc, p).A : nullptr;
}
} // namespace

TCorrelationTab::TCorrelationTab(TMainForm& form, QWidget* parent)
    : QGroupBox(tr("Задати коефіцієнти кореляціїї"), parent), Form(form)
{
    ComboBox5 = InputBox(u"ComboBox5"_s, this);
    Label8 = new QLabel(tr("корелює з:"), this);
    Label8->setObjectName(u"Label8"_s);
    ComboBox6 = InputBox(u"ComboBox6"_s, this);
    Edit5 = new TLabeledEdit(u"Edit5"_s, tr("Коефіцієнт кореляції:"), this);
    Edit5->EditLabel()->setObjectName(u"Label9"_s);
    Edit5->setMinimumWidth(kCoefficientWidth);
    Button4 = new QPushButton(tr("Змінити"), this);
    Button4->setObjectName(u"Button4"_s);
    Button4->setToolTip(tr("Змінити поточне значення коефіцієнта кореляції"));
    CalcBtn = new QPushButton(tr("Вирахувати"), this);
    CalcBtn->setObjectName(u"CalcBtn"_s);
    CalcBtn->setEnabled(false);

    auto* layout = new QGridLayout(this);
    layout->addWidget(ComboBox5, 0, 0);
    layout->addWidget(Label8, 0, 1);
    layout->addWidget(ComboBox6, 0, 2);
    layout->addWidget(Edit5->EditLabel(), 1, 0, Qt::AlignRight);
    layout->addWidget(Edit5, 1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Button4);
    buttons->addWidget(CalcBtn);
    buttons->addStretch();
    layout->addLayout(buttons, 1, 2);
    layout->setColumnStretch(3, 1);

    for (QComboBox* box : {ComboBox5, ComboBox6}) {
        connect(box, &QComboBox::textActivated, this, &TCorrelationTab::ComboBox5Change);
        connect(box->lineEdit(), &QLineEdit::textEdited, this, &TCorrelationTab::ComboBox5Change);
    }
    connect(Edit5, &TLabeledEdit::Exited, this, &TCorrelationTab::Edit5Exit);
    connect(Button4, &QPushButton::clicked, this, &TCorrelationTab::Button4Click);
    connect(CalcBtn, &QPushButton::clicked, this, &TCorrelationTab::CalcBtnClick);
    connect(Form.PageControl1, &QTabWidget::currentChanged, this, [this] {
        if (Form.PageControl1->currentWidget() == Form.TabSheet4)
            TabSheet4Show();
    });
    connect(&form, &TMainForm::EvaluationShown, this, &TCorrelationTab::Reset);
}

void TCorrelationTab::SetNames(const QStringList& names)
{
    for (QComboBox* box : {ComboBox5, ComboBox6}) {
        const QSignalBlocker quiet(box);
        const QString text = box->currentText();
        box->clear();
        box->addItems(names);
        box->setEditText(text);
    }
}

void TCorrelationTab::TabSheet4Show()
{
    SetNames(Form.TabSheet2->Names());
}

void TCorrelationTab::Reset()
{
    for (QComboBox* box : {ComboBox5, ComboBox6}) {
        const QSignalBlocker quiet(box);
        box->setEditText(QString());
    }
    QStringList names;
    for (const InputView& input : InputsInOrder(Form.ShownEvaluation()))
        names << ToQt(input.Name());
    SetNames(names);
}

void TCorrelationTab::ComboBox5Change()
{
    CalcBtn->setEnabled(false);
    const TOrmetaCalc& calc = Form.ShownEvaluation();
    const int p6 = InputPosition(calc, ToStd(ComboBox6->currentText()));
    if (p6 < 0)
        return;
    const int p5 = InputPosition(calc, ToStd(ComboBox5->currentText()));
    if (p5 < 0)
        return;
    const QTableWidgetItem* cell = Form.StringGrid2->item(p5, p6);
    Edit5->setText(cell ? cell->text() : QString());
    const TOrmetaTypeA* x = InputAt(calc, p6).A;
    const TOrmetaTypeA* y = InputAt(calc, p5).A;
    CalcBtn->setEnabled(x && y && x->Count == y->Count);
}

void TCorrelationTab::Edit5Exit()
{
    try {
        CheckCoefficient(Edit5->text());
    }
    catch (const EConvertError& error) {
        ShowMessage(this, ToQt(error.what()));
        QTimer::singleShot(0, Edit5, [this] { Edit5->setFocus(Qt::OtherFocusReason); });
    }
}

void TCorrelationTab::Button4Click()
{
    const TOrmetaCalc& calc = Form.ShownEvaluation();
    QString failure;
    int p5 = -1;
    int p6 = -1;
    if (Edit5->text().isEmpty()) {
        failure = Tr2("Коефіцієнт не задано.", "Коэффициент не задан.");
    }
    else if (ComboBox5->currentText().isEmpty() || ComboBox6->currentText().isEmpty()) {
        failure = Tr2("Змінну не задано.", "Переменная не задана.");
    }
    else {
        p6 = InputPosition(calc, ToStd(ComboBox6->currentText()));
        p5 = InputPosition(calc, ToStd(ComboBox5->currentText()));
        if (p5 < 0 || p6 < 0)
            failure = Tr2("Такої змінної немає.", "Такой переменной нет.");
    }
    if (!failure.isEmpty()) {
        ShowMessage(this, failure);
        return;
    }
    // A click on the button follows the field's own check even when that check refused the text.
    try {
        CheckCoefficient(Edit5->text());
    }
    catch (const EConvertError& error) {
        ShowMessage(this, ToQt(error.what()));
        return;
    }
    Form.StringGrid2->setItem(p6, p5, new QTableWidgetItem(Edit5->text()));
    Form.StringGrid2->setItem(p5, p6, new QTableWidgetItem(Edit5->text()));
    Form.MarkModified();
}

void TCorrelationTab::CalcBtnClick()
{
    const TOrmetaCalc& calc = Form.ShownEvaluation();
    const TOrmetaTypeA* x = TypeANamed(calc, ComboBox6->currentText());
    const TOrmetaTypeA* y = TypeANamed(calc, ComboBox5->currentText());
    if (!x || !y || x->Count != y->Count)
        return;
    const std::optional<double> r = SampleCorrelation(x->Observations, y->Observations);
    if (!r) {
        ShowMessage(this, Tr2("Коефіцієнт кореляції не визначений: спостереження однієї з величин не мають розкиду.",
                              "Коэффициент корреляции не определен: наблюдения одной из величин не имеют разброса."));
        return;
    }
    Edit5->setText(ToQt(FormatNumber(*r)));
}
