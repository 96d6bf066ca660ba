#pragma once
// The settings file: an INI file beside the executable, opened and closed at every access.
#include <string>

// The INI path: the executable's path with its extension replaced by ".INI".
std::string SettingsPathForExecutable(const std::string& executablePath);
// Where the settings live for this run (set once at start-up; tests point it at a temporary folder).
void SetSettingsFilePath(const std::string& path);
const std::string& SettingsFilePath();

// Reads and writes of one key; a missing or unreadable file yields the default.
int ReadSettingInt(const std::string& section, const std::string& key, int defaultValue);
std::string ReadSettingString(const std::string& section, const std::string& key, const std::string& defaultValue);
// Returns false when the file could not be written.
bool WriteSettingInt(const std::string& section, const std::string& key, int value);
bool WriteSettingString(const std::string& section, const std::string& key, const std::string& value);

// The "OutFormat" section with its defaults.
struct TNumberFormat;
TNumberFormat ReadNumberFormat();
