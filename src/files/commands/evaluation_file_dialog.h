#pragma once
// The open and save dialogs of evaluation files; opening a nested evaluation from a file uses the
// same open dialog as Open.
#include <QString>

class QWidget;

// The chosen name, or an empty string when the user cancelled.
QString AskOpenEvaluationFile(QWidget* parent);
QString AskSaveEvaluationFile(QWidget* parent);
