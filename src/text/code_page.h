#pragma once
// Conversion between UTF-8 (texts in memory) and Windows-1251 (texts in evaluation files).
#include <optional>
#include <string>

// Every byte of Windows-1251 has a character (0x98 is taken as U+0098), so this never fails.
std::string Cp1251ToUtf8(const std::string& bytes);
// nullopt when some character has no Windows-1251 byte (or the UTF-8 is malformed).
std::optional<std::string> Utf8ToCp1251(const std::string& text);
