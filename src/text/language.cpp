#include "text/language.h"

bool IsUkrainian = true;

std::string Msg(std::string_view ukrainian, std::string_view russian)
{
    return std::string(IsUkrainian ? ukrainian : russian);
}
