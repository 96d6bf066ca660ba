#pragma once
// The interface language and the program's message pairs.
#include <string>
#include <string_view>

// True for Ukrainian, false for Russian; set once at start-up from the settings file.
extern bool IsUkrainian;

// Picks the Ukrainian or the Russian text of a message by the language flag at this moment.
std::string Msg(std::string_view ukrainian, std::string_view russian);
