#pragma once
// Every modal window the input editor opens goes through these functions, so tests can answer them
// instead of blocking on them.
#include "ui/dialogs/TOKBottomDlg1.h"

#include <QString>

#include <functional>
#include <optional>

class QDialog;
class TNewDialog;

struct TInputDialogHooks {
    // Stands for the new-variable window: the symbol typed.
    std::function<QString()> AskSymbol;
    // Stands for the colony count window: its entry, or nothing when the user went back.
    std::function<std::optional<TColonyCountEntry>()> AskColonyCount;
    // Stands for showing the observation values, calibration data or chart window (already filled).
    std::function<void(QDialog& window)> ShowWindow;
};

// Installs replacements (tests); default hooks restore the real windows.
void SetInputDialogHooks(TInputDialogHooks hooks);

QString AskNewSymbol(TNewDialog& dialog);
std::optional<TColonyCountEntry> AskColonyCount(TOKBottomDlg1& dialog);
// show runs the real window modally.
void ShowInputWindow(QDialog& window, const std::function<void()>& show);
