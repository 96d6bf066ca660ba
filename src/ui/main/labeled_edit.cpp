#include "ui/main/labeled_edit.h"

#include <QFocusEvent>
#include <QLabel>

TLabeledEdit::TLabeledEdit(const QString& objectName, const QString& caption, QWidget* parent)
    : QLineEdit(parent), Label(new QLabel(caption, parent))
{
    setObjectName(objectName);
    Label->setObjectName(objectName + QStringLiteral("Label"));
    Label->setBuddy(this);
}

void TLabeledEdit::setVisible(bool visible)
{
    QLineEdit::setVisible(visible);
    Label->setVisible(visible);
}

void TLabeledEdit::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    // Another window coming to the front (a message box, another program) is not leaving the field.
    if (event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason)
        emit Exited();
}
