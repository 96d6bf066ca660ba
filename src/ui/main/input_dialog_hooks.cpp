#include "ui/main/input_dialog_hooks.h"

#include "ui/dialogs/TNewDialog.h"

namespace {
TInputDialogHooks& Installed()
{
    static TInputDialogHooks hooks;
    return hooks;
}
} // namespace

void SetInputDialogHooks(TInputDialogHooks hooks)
{
    Installed() = std::move(hooks);
}

QString AskNewSymbol(TNewDialog& dialog)
{
    return Installed().AskSymbol ? Installed().AskSymbol() : dialog.Ask();
}

std::optional<TColonyCountEntry> AskColonyCount(TOKBottomDlg1& dialog)
{
    return Installed().AskColonyCount ? Installed().AskColonyCount() : dialog.Ask();
}

void ShowInputWindow(QDialog& window, const std::function<void()>& show)
{
    if (Installed().ShowWindow)
        Installed().ShowWindow(window);
    else
        show();
}
