#include "ui/common/text_convert.h"

#include "text/language.h"

QString Tr2(const char* ukrainian, const char* russian)
{
    return QString::fromUtf8(IsUkrainian ? ukrainian : russian);
}
