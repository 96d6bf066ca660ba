#include "text/settings.h"

#include <charconv>
#include <filesystem>

#include "text/ini_file.h"
#include "text/number_format.h"

namespace {

std::string SettingsPath;

int IntegerOr(const std::optional<std::string>& text, int defaultValue)
{
    if (!text || text->empty())
        return defaultValue;
    const char* first = text->data();
    const char* last = first + text->size();
    if (*first == '+')
        ++first;
    int value = 0;
    const auto [end, error] = std::from_chars(first, last, value);
    return error == std::errc() && end == last ? value : defaultValue;
}

bool WriteValue(const std::string& section, const std::string& key, const std::string& value)
{
    auto file = TIniFile::Load(SettingsPath);
    return file.SetValue(section, key, value) && file.Save(SettingsPath);
}

} // namespace

std::string SettingsPathForExecutable(const std::string& executablePath)
{
    return std::filesystem::path(executablePath).replace_extension(".INI").string();
}

void SetSettingsFilePath(const std::string& path)
{
    SettingsPath = path;
}

const std::string& SettingsFilePath()
{
    return SettingsPath;
}

int ReadSettingInt(const std::string& section, const std::string& key, int defaultValue)
{
    return IntegerOr(TIniFile::Load(SettingsPath).Value(section, key), defaultValue);
}

std::string ReadSettingString(const std::string& section, const std::string& key, const std::string& defaultValue)
{
    return TIniFile::Load(SettingsPath).Value(section, key).value_or(defaultValue);
}

bool WriteSettingInt(const std::string& section, const std::string& key, int value)
{
    return WriteValue(section, key, std::to_string(value));
}

bool WriteSettingString(const std::string& section, const std::string& key, const std::string& value)
{
    return WriteValue(section, key, value);
}

TNumberFormat ReadNumberFormat()
{
    // One opening of the file for the three keys.
    const auto file = TIniFile::Load(SettingsPath);
    const TNumberFormat defaults;
    return {IntegerOr(file.Value("OutFormat", "Format"), defaults.Format),
            IntegerOr(file.Value("OutFormat", "Precision"), defaults.Precision),
            IntegerOr(file.Value("OutFormat", "Digits"), defaults.Digits)};
}
