#pragma once
// A Windows-style INI file held as its lines, so that a write keeps everything it does not touch.
#include <optional>
#include <string>
#include <vector>

class TIniFile {
public:
    // A missing or unreadable file loads as an empty one.
    static TIniFile Load(const std::string& path);
    // Writes a temporary file beside the target and renames it over the target, so a failure
    // never leaves a half-written file; false when any step fails.
    bool Save(const std::string& path) const;

    // Section and key names compare without regard to ASCII case; the value comes trimmed.
    std::optional<std::string> Value(const std::string& section, const std::string& key) const;
    // False (and nothing changed) for a name or value that would break the line structure.
    bool SetValue(const std::string& section, const std::string& key, const std::string& value);

private:
    std::vector<std::string> Lines;
    bool UsesCrLf = false;
};
