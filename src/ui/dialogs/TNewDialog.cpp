#include "ui/dialogs/TNewDialog.h"

#include "ui/common/window_placement.h"

#include <QFocusEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {
constexpr int kClientWidth = 233;
constexpr int kClientHeight = 93;
} // namespace

TNewDialog::TNewDialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), Label1(new QLabel(this)),
      Edit1(new QLineEdit(this)), OKBtn(new QPushButton(this))
{
    setObjectName(QStringLiteral("TNewDialog"));
    setWindowTitle(tr("Введіть позначення змінної"));

    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setText(tr("Змінна:"));
    Label1->setBuddy(Edit1);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->installEventFilter(this);

    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    OKBtn->setText(tr("OK"));
    OKBtn->setDefault(true);
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);

    auto* field = new QHBoxLayout;
    field->addWidget(Label1);
    field->addWidget(Edit1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OKBtn);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(field);
    layout->addStretch();
    layout->addLayout(buttons);
    setFixedSize(sizeHint().expandedTo(QSize(kClientWidth, kClientHeight)));
}

QString TNewDialog::Ask()
{
    CentreOnScreenOf(this, parentWidget());
    Edit1->setFocus();
    exec();
    const QString symbol = Edit1->text();
    Edit1->clear();
    return symbol;
}

void TNewDialog::reject() {}

bool TNewDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Edit1 && event->type() == QEvent::FocusOut && Edit1->text().isEmpty()) {
        // Leaving for another window (or a menu) is not moving within the dialog.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            QTimer::singleShot(0, Edit1, [this] { Edit1->setFocus(Qt::OtherFocusReason); });
    }
    return QDialog::eventFilter(watched, event);
}
