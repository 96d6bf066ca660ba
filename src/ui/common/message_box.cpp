#include "ui/common/message_box.h"

#include <QApplication>
#include <QMessageBox>

namespace {
MessageHandler& InstalledHandler()
{
    static MessageHandler handler;
    return handler;
}
} // namespace

void ShowMessage(QWidget* parent, const QString& text)
{
    if (InstalledHandler()) {
        InstalledHandler()(parent, text);
        return;
    }
    QMessageBox::information(parent, QApplication::applicationDisplayName(), text);
}

void SetMessageHandler(MessageHandler handler)
{
    InstalledHandler() = std::move(handler);
}
