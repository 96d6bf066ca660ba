#pragma once
// The interface language: read once at start-up, changed in the menu for the next start.
#include <QString>

class QCoreApplication;
class QWidget;

// Sets IsUkrainian from "Language"/"Lang"; only the exact text "Russian" selects Russian.
void ReadLanguageSetting();
// The compiled Russian window texts beside the executable.
QString RussianTranslationFile(const QString& directory);
// Installs the Russian window texts; false when the file cannot be loaded.
bool InstallRussianTranslation(QCoreApplication& app, const QString& directory);
// Writes the setting and tells the user that it applies from the next start.
void SetLanguage(QWidget* parent, bool ukrainian);
