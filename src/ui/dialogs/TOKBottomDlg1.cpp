#include "ui/dialogs/TOKBottomDlg1.h"

#include "text/number_format.h"
#include "text/settings.h"
#include "ui/common/message_box.h"
#include "ui/common/text_convert.h"
#include "ui/common/window_placement.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <cmath>

namespace {
constexpr int kClientWidth = 260;
constexpr int kClientHeight = 141;
constexpr int kFixed = 2;
constexpr int kGroupedFixed = 3;

// sqrt(N) as numbers are shown, but never with thousands grouping: the field is read back with
// ParseNumber when the input is applied, which would take "2,000" for 2 and refuse "2 000".
QString StdDeviationText(double value)
{
    TNumberFormat format = ReadNumberFormat();
    if (format.Format == kGroupedFixed)
        format.Format = kFixed;
    return ToQt(FormatNumber(value, format, RegionalSeparators()));
}
} // namespace

TOKBottomDlg1::TOKBottomDlg1(QWidget* parent)
    : QDialog(parent), Bevel1(new QFrame(this)), Label1(new QLabel(Bevel1)), LabeledEdit1(new QLineEdit(Bevel1)),
      OKBtn(new QPushButton(this)), CancelBtn(new QPushButton(this))
{
    setObjectName(QStringLiteral("TOKBottomDlg1"));
    setWindowTitle(tr("Вкажіть кількість"));

    Bevel1->setObjectName(QStringLiteral("Bevel1"));
    Bevel1->setFrameShape(QFrame::StyledPanel);
    Bevel1->setFrameShadow(QFrame::Sunken);
    Label1->setText(tr("Вкажіть підраховану кількість:"));
    Label1->setBuddy(LabeledEdit1);
    LabeledEdit1->setObjectName(QStringLiteral("LabeledEdit1"));
    auto* field = new QVBoxLayout(Bevel1);
    field->addStretch();
    field->addWidget(Label1);
    field->addWidget(LabeledEdit1);
    field->addStretch();

    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    OKBtn->setText(tr("ОК"));
    OKBtn->setDefault(true);
    connect(OKBtn, &QPushButton::clicked, this, &TOKBottomDlg1::OKBtnClick);
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));
    CancelBtn->setText(tr("Повернутися"));
    CancelBtn->setAutoDefault(false);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OKBtn);
    buttons->addWidget(CancelBtn);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Bevel1, 1);
    layout->addLayout(buttons);
    resize(kClientWidth, kClientHeight);
    setFixedSize(sizeHint().expandedTo(QSize(kClientWidth, kClientHeight)));
}

std::optional<TColonyCountEntry> TOKBottomDlg1::Ask()
{
    Entry.reset();
    LabeledEdit1->clear();
    LabeledEdit1->setFocus();
    CentreOnScreenOf(this, parentWidget());
    exec();
    return Entry;
}

std::optional<TColonyCountEntry> TOKBottomDlg1::EntryFor(const QString& typed)
{
    const QString text = typed.trimmed();
    bool isInteger = false;
    const int count = text.toInt(&isInteger, 10);
    if (!isInteger || count <= 0)
        return std::nullopt;
    return TColonyCountEntry{text, StdDeviationText(std::sqrt(static_cast<double>(count))),
                             Tr2("Безмежність", "Бесконечность")};
}

void TOKBottomDlg1::OKBtnClick()
{
    Entry = EntryFor(LabeledEdit1->text());
    if (!Entry) {
        ShowMessage(this, Tr2("Ви повинні ввести ціле додатнє число!", "Вы должны ввести целое число!"));
        reject();
        return;
    }
    accept();
}
