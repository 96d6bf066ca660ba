#pragma once
// Line breaks of multi-line texts: "\n" in memory, CR LF in evaluation files.
#include <string>

// Every "\n" not already preceded by "\r" becomes "\r\n".
std::string ToFileLineBreaks(const std::string& text);
// Every "\r\n" becomes "\n"; a lone CR or LF stays as it is.
std::string FromFileLineBreaks(const std::string& text);
