#include "ui/common/file_dialog.h"

#include <QFileDialog>

namespace {
FileDialogHandler& InstalledHandler()
{
    static FileDialogHandler handler;
    return handler;
}

QString Ask(FileDialogKind kind, QWidget* parent, const QString& title, const QString& filter)
{
    if (InstalledHandler())
        return InstalledHandler()(kind, parent, title, filter);
    return kind == FileDialogKind::Open ? QFileDialog::getOpenFileName(parent, title, QString(), filter)
                                        : QFileDialog::getSaveFileName(parent, title, QString(), filter);
}
} // namespace

QString AskOpenFileName(QWidget* parent, const QString& title, const QString& filter)
{
    return Ask(FileDialogKind::Open, parent, title, filter);
}

QString AskSaveFileName(QWidget* parent, const QString& title, const QString& filter)
{
    return Ask(FileDialogKind::Save, parent, title, filter);
}

void SetFileDialogHandler(FileDialogHandler handler)
{
    InstalledHandler() = std::move(handler);
}
