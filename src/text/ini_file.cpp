#include "text/ini_file.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string_view>

namespace {

std::string_view Trimmed(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

bool SameName(std::string_view a, std::string_view b)
{
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    return std::ranges::equal(a, b, [&](char x, char y) { return lower(x) == lower(y); });
}

// The name of a "[Name]" line, or nullopt for any other line.
std::optional<std::string_view> SectionName(std::string_view line)
{
    const auto text = Trimmed(line);
    if (text.size() < 2 || text.front() != '[' || text.back() != ']')
        return std::nullopt;
    return Trimmed(text.substr(1, text.size() - 2));
}

// True when the line is "key=value" for the given key (comments never match).
bool IsKeyLine(std::string_view line, std::string_view key)
{
    const auto text = Trimmed(line);
    if (text.empty() || text.front() == ';')
        return false;
    const auto equals = text.find('=');
    return equals != std::string_view::npos && SameName(Trimmed(text.substr(0, equals)), key);
}

bool HasLineBreak(std::string_view text)
{
    return text.find_first_of("\r\n") != std::string_view::npos;
}

} // namespace

TIniFile TIniFile::Load(const std::string& path)
{
    TIniFile file;
    std::ifstream stream(path, std::ios::binary);
    std::string line;
    while (std::getline(stream, line)) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
            file.UsesCrLf = true;
        }
        file.Lines.push_back(line);
    }
    // A byte-order mark left by a text editor is not part of the first section name.
    constexpr std::string_view bom = "\xEF\xBB\xBF";
    if (!file.Lines.empty() && file.Lines.front().starts_with(bom))
        file.Lines.front().erase(0, bom.size());
    return file;
}

bool TIniFile::Save(const std::string& path) const
{
    if (path.empty())
        return false;
    const std::string temporary = path + ".tmp";
    std::ofstream stream(temporary, std::ios::binary | std::ios::trunc);
    if (!stream)
        return false;
    const char* lineEnd = UsesCrLf ? "\r\n" : "\n";
    for (const auto& line : Lines)
        stream << line << lineEnd;
    stream.close();
    if (!stream) {
        std::remove(temporary.c_str());
        return false;
    }
    if (std::rename(temporary.c_str(), path.c_str()) != 0) {
        std::remove(temporary.c_str());
        return false;
    }
    return true;
}

std::optional<std::string> TIniFile::Value(const std::string& section, const std::string& key) const
{
    bool inSection = false;
    for (const auto& line : Lines) {
        if (const auto name = SectionName(line)) {
            // Like Windows, only the first section of a name counts.
            if (inSection)
                return std::nullopt;
            inSection = SameName(*name, section);
        } else if (inSection && IsKeyLine(line, key)) {
            return std::string(Trimmed(std::string_view(line).substr(line.find('=') + 1)));
        }
    }
    return std::nullopt;
}

bool TIniFile::SetValue(const std::string& section, const std::string& key, const std::string& value)
{
    if (HasLineBreak(section) || HasLineBreak(key) || HasLineBreak(value) || section.find(']') != std::string::npos
        || key.find('=') != std::string::npos || Trimmed(key).empty() || key.front() == ';')
        return false;
    const std::string newLine = key + "=" + value;
    const auto sectionStart = std::ranges::find_if(Lines, [&](const std::string& line) {
        const auto name = SectionName(line);
        return name && SameName(*name, section);
    });
    if (sectionStart == Lines.end()) {
        if (!Lines.empty() && !Trimmed(Lines.back()).empty())
            Lines.emplace_back();
        Lines.push_back("[" + section + "]");
        Lines.push_back(newLine);
        return true;
    }
    const auto sectionEnd = std::find_if(std::next(sectionStart), Lines.end(),
                                         [](const std::string& line) { return SectionName(line).has_value(); });
    const auto keyLine = std::find_if(std::next(sectionStart), sectionEnd,
                                      [&](const std::string& line) { return IsKeyLine(line, key); });
    if (keyLine != sectionEnd) {
        *keyLine = newLine;
        return true;
    }
    // A new key goes after the section's last non-blank line, keeping the blank line before the next section.
    auto insertAt = sectionEnd;
    while (insertAt != std::next(sectionStart) && Trimmed(*std::prev(insertAt)).empty())
        --insertAt;
    Lines.insert(insertAt, newLine);
    return true;
}
