#include "ui/main/TfmOptions.h"

#include "text/number_format.h"
#include "text/settings.h"
#include "ui/common/message_box.h"
#include "ui/common/text_convert.h"
#include "ui/main/labeled_edit.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <stdexcept>

using namespace Qt::StringLiterals;

namespace {
const std::string Section = "OutFormat";
constexpr int FormExponential = 1;
constexpr int FormFixed = 2;
constexpr int MaxDigits = 18;

void Write(const std::string& key, int value)
{
    if (!WriteSettingInt(Section, key, value))
        throw std::runtime_error(
            ToStd(Tr2("Не вдалося записати файл налаштувань ", "Не удалось записать файл настроек ")) +
            SettingsFilePath());
}

// The digit count of a field; false when the text is not a whole number.
bool ReadDigits(const TLabeledEdit& field, int& digits)
{
    bool isNumber = false;
    digits = field.text().trimmed().toInt(&isNumber);
    return isNumber;
}
} // namespace

TfmOptions::TfmOptions(QWidget* parent) : QDialog(parent)
{
    setObjectName(u"fmOptions"_s);
    setWindowTitle(tr("Опції"));

    auto* group = new QGroupBox(tr("Формат чисел"), this);
    RadioButton2 = new QRadioButton(tr("Виводити числа в звичайній формі"), group);
    RadioButton2->setObjectName(u"RadioButton2"_s);
    LabeledEdit1 = new TLabeledEdit(u"LabeledEdit1"_s, tr("Макс. кількість знаків після коми"), group);
    LabeledEdit1->setToolTip(tr("Максимальна кількість знаків після коми в виведених числах"));
    RadioButton1 = new QRadioButton(tr("Виводити числа в експоненційній формі"), group);
    RadioButton1->setObjectName(u"RadioButton1"_s);
    RadioButton1->setToolTip(tr("Виводити числа в \"науковій\" чи \"нормованій\" формі: х.ххххЕ хх"));
    LabeledEdit2 = new TLabeledEdit(u"LabeledEdit2"_s, tr("Кількість знаків після коми"), group);
    LabeledEdit2->setToolTip(tr("Максимальна кількість знаків після коми в виведених нормованих числах"));
    for (TLabeledEdit* field : {LabeledEdit1, LabeledEdit2})
        field->setMaximumWidth(80);

    auto* grid = new QGridLayout(group);
    grid->addWidget(RadioButton2, 0, 0, 1, 2);
    grid->addWidget(LabeledEdit1->EditLabel(), 1, 0);
    grid->addWidget(LabeledEdit1, 1, 1);
    grid->addWidget(RadioButton1, 2, 0, 1, 2);
    grid->addWidget(LabeledEdit2->EditLabel(), 3, 0);
    grid->addWidget(LabeledEdit2, 3, 1);
    grid->setColumnMinimumWidth(0, 20);
    grid->setColumnStretch(2, 1);
    LabeledEdit1->EditLabel()->setIndent(20);
    LabeledEdit2->EditLabel()->setIndent(20);

    Button1 = new QPushButton(tr("Підтвердити зміни"), this);
    Button1->setObjectName(u"Button1"_s);
    Button1->setDefault(true);
    Button2 = new QPushButton(tr("Закрити вікно"), this);
    Button2->setObjectName(u"Button2"_s);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Button1);
    buttons->addWidget(Button2);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    RadioButton2->setChecked(true);
    SelectForm(false);
    connect(RadioButton1, &QRadioButton::clicked, this, [this] { SelectForm(true); });
    connect(RadioButton2, &QRadioButton::clicked, this, [this] { SelectForm(false); });
    connect(Button1, &QPushButton::clicked, this, &TfmOptions::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
}

void TfmOptions::SelectForm(bool exponential)
{
    RadioButton1->setChecked(exponential);
    RadioButton2->setChecked(!exponential);
    LabeledEdit2->setEnabled(exponential);
    LabeledEdit1->setEnabled(!exponential);
}

void TfmOptions::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    FormShow();
}

void TfmOptions::FormShow()
{
    const TNumberFormat format = ReadNumberFormat();
    if (format.Format == FormExponential) {
        SelectForm(true);
        LabeledEdit2->setText(QString::number(format.Precision - 1));
    }
    else if (format.Format == FormFixed) {
        SelectForm(false);
        LabeledEdit1->setText(QString::number(format.Digits));
    }
}

void TfmOptions::Button1Click()
{
    const QString notANumber = Tr2("Не правильно ввели число знаків!!", "Не правильно ввели число знакoв!!");
    const QString outOfRange = Tr2("Кількість знаків не може бути менщим за 1, чи більшим 18!!",
                                   "Количество знаков не может быть меньше чем 1, или большим 18!!");
    try {
        int digits = 0;
        if (RadioButton2->isChecked()) {
            Write("Format", FormFixed);
            if (!ReadDigits(*LabeledEdit1, digits))
                return ShowMessage(this, notANumber);
            if (digits < 1 || digits > MaxDigits)
                return ShowMessage(this, outOfRange);
            Write("Digits", digits);
            Write("Precision", 6);
        }
        if (RadioButton1->isChecked()) {
            Write("Format", FormExponential);
            Write("Digits", 2);
            if (!ReadDigits(*LabeledEdit2, digits))
                return ShowMessage(this, notANumber);
            if (digits < 1 || digits > MaxDigits)
                return ShowMessage(this, outOfRange);
            Write("Precision", digits + 1);
        }
        accept();
    }
    catch (const std::exception& error) {
        ShowMessage(this, ToQt(error.what()));
    }
}
