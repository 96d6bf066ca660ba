#pragma once
// Texts cross between the core (UTF-8 std::string) and the windows (QString) only through these.
#include <QString>

#include <string>

inline QString ToQt(const std::string& text)
{
    return QString::fromStdString(text);
}

inline std::string ToStd(const QString& text)
{
    return text.toStdString();
}

// A message pair of the window layer, picked by the language flag at this moment.
QString Tr2(const char* ukrainian, const char* russian);
