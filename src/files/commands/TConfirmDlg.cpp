#include "files/commands/TConfirmDlg.h"

#include "ui/common/window_placement.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {
TConfirmRunner& InstalledRunner()
{
    static TConfirmRunner runner;
    return runner;
}
} // namespace

void SetConfirmRunner(TConfirmRunner runner)
{
    InstalledRunner() = std::move(runner);
}

TSaveAnswer RunConfirmDlg(TConfirmDlg& dialog)
{
    if (InstalledRunner())
        return InstalledRunner()(dialog);
    CentreOnScreenOf(&dialog, dialog.parentWidget());
    dialog.YesBtn->setFocus();
    return static_cast<TSaveAnswer>(dialog.exec());
}

TConfirmDlg::TConfirmDlg(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      Label1(new QLabel(this)), YesBtn(new QPushButton(this)), ReturnBtn(new QPushButton(this)),
      NoBtn(new QPushButton(this))
{
    setObjectName(u"ConfirmDlg"_s);
    SetCommand(QString());

    Label1->setObjectName(u"Label1"_s);
    Label1->setText(tr("Зберегти поточну роботу?"));
    QFont bold = Label1->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.2);
    Label1->setFont(bold);
    Label1->setAlignment(Qt::AlignCenter);

    YesBtn->setObjectName(u"YesBtn"_s);
    YesBtn->setText(tr("Так"));
    YesBtn->setDefault(true);
    ReturnBtn->setObjectName(u"ReturnBtn"_s);
    ReturnBtn->setText(tr("Повернутися"));
    NoBtn->setObjectName(u"NoBtn"_s);
    NoBtn->setText(tr("Ні"));
    connect(YesBtn, &QPushButton::clicked, this, [this] { done(static_cast<int>(TSaveAnswer::Yes)); });
    connect(ReturnBtn, &QPushButton::clicked, this, [this] { done(static_cast<int>(TSaveAnswer::Return)); });
    connect(NoBtn, &QPushButton::clicked, this, [this] { done(static_cast<int>(TSaveAnswer::No)); });

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(8);
    for (QPushButton* button : {YesBtn, ReturnBtn, NoBtn}) {
        button->setMinimumWidth(110);
        buttons->addWidget(button);
    }
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 12);
    layout->setSpacing(16);
    layout->addWidget(Label1);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TConfirmDlg::SetCommand(const QString& caption)
{
    setWindowTitle(caption.isEmpty() ? tr("Вихід") : caption);
}

void TConfirmDlg::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        done(static_cast<int>(TSaveAnswer::No));
        return;
    }
    QDialog::keyPressEvent(event);
}
