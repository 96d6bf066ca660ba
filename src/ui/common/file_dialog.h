#pragma once
// Every file dialog of the program goes through these functions, so tests can supply the chosen name.
#include <QString>

#include <functional>

class QWidget;

enum class FileDialogKind { Open, Save };

// Returns the chosen path, or an empty string when the user cancelled.
using FileDialogHandler =
    std::function<QString(FileDialogKind kind, QWidget* parent, const QString& title, const QString& filter)>;

QString AskOpenFileName(QWidget* parent, const QString& title, const QString& filter);
QString AskSaveFileName(QWidget* parent, const QString& title, const QString& filter);
// Installs a replacement (tests); an empty handler restores the real dialogs.
void SetFileDialogHandler(FileDialogHandler handler);
