#pragma once
// Every message box of the program goes through ShowMessage, so tests can record the messages
// instead of blocking on a modal box.
#include <QString>

#include <functional>

class QWidget;

using MessageHandler = std::function<void(QWidget* parent, const QString& text)>;

// Shows text in a modal message box (or hands it to the installed handler).
void ShowMessage(QWidget* parent, const QString& text);
// Installs a replacement (tests); an empty handler restores the real message box.
void SetMessageHandler(MessageHandler handler);
