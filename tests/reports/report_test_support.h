#pragma once
// Helpers shared by the report tests: message recording, templates written inline, texts of sheets.
#include "reports/engine/report.h"
#include "ui/common/message_box.h"

#include <QByteArray>
#include <QColor>
#include <QSize>
#include <QString>
#include <QStringList>

#include <ostream>
#include <vector>

// GoogleTest prints these when a check fails.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QColor& color, std::ostream* out)
{
    *out << "rgb(" << color.red() << ", " << color.green() << ", " << color.blue() << ")";
}
inline void PrintTo(const QSize& size, std::ostream* out)
{
    *out << size.width() << " x " << size.height();
}

// Records the message boxes shown while it lives.
class MessageRecorder {
public:
    MessageRecorder()
    {
        SetMessageHandler([this](QWidget*, const QString& text) { Messages << text; });
    }
    ~MessageRecorder() { SetMessageHandler({}); }
    QStringList Messages;
};

// A whole template around the given pages.
inline QByteArray ReportXml(const QString& pages)
{
    return (QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<ormeta-report>\n") + pages +
            QStringLiteral("\n</ormeta-report>\n"))
        .toUtf8();
}

// A portrait Letter page with the margins of the program's report.
inline QString PortraitPage(const QString& name, const QString& content)
{
    return QStringLiteral("<page name=\"%1\" orientation=\"portrait\" margin-left=\"15\" margin-right=\"5\" "
                          "margin-top=\"10\" margin-bottom=\"10\">%2</page>")
        .arg(name, content);
}

// The texts of one sheet in the order they were placed.
inline QStringList SheetTexts(const TPreparedPage& sheet)
{
    QStringList texts;
    for (const auto& text : sheet.Texts)
        texts << text.Text;
    return texts;
}

inline QStringList AllTexts(const std::vector<TPreparedPage>& sheets)
{
    QStringList texts;
    for (const auto& sheet : sheets)
        texts << SheetTexts(sheet);
    return texts;
}
