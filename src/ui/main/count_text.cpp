#include "ui/main/count_text.h"

#include "text/convert_error.h"
#include "ui/common/text_convert.h"

std::optional<int> IntegerOf(const QString& text)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok, 10);
    if (!ok)
        return std::nullopt;
    return value;
}

int ReadCount(const QString& text)
{
    const std::optional<int> value = IntegerOf(text);
    if (!value)
        throw EConvertError("'" + ToStd(text) + "' is not a valid integer value");
    return *value;
}
