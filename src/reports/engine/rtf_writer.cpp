#include "reports/engine/rtf_writer.h"

#include "reports/engine/report_export.h"
#include "reports/engine/text_layout.h"

#include <QBuffer>

#include <cmath>
#include <map>

namespace {

int Twips(double mm)
{
    return static_cast<int>(std::lround(mm * 1440.0 / 25.4));
}

QByteArray Number(int value)
{
    return QByteArray::number(value);
}

// Text as RTF: ASCII as is, everything else as \uN with a '?' for readers that do not know it.
QByteArray Escape(const QString& text)
{
    QByteArray out;
    for (int i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c == u'\\' || c == u'{' || c == u'}') {
            out += '\\';
            out += static_cast<char>(c);
        }
        else if (c == u'\r') {
            if (i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
            out += "\\line ";
        }
        else if (c == u'\n') {
            out += "\\line ";
        }
        else if (c == u'\t') {
            out += "\\tab ";
        }
        else if (c < 0x20) {
            continue;
        }
        else if (c < 0x80) {
            out += static_cast<char>(c);
        }
        else {
            out += "\\u" + Number(static_cast<int16_t>(c)) + '?';
        }
    }
    return out;
}

class RtfBuilder {
public:
    QByteArray Build(const std::vector<TPreparedPage>& pages)
    {
        QByteArray body;
        for (size_t i = 0; i < pages.size(); ++i) {
            if (i > 0)
                body += "\\sect";
            body += Section(pages[i]);
            for (const auto& image : pages[i].Images)
                body += Picture(image);
            for (const auto& text : pages[i].Texts)
                body += Text(text);
            body += "\\pard\\plain\\fs2\\par\n"; // the anchor of the sheet's frames
        }
        QByteArray document = "{\\rtf1\\ansi\\ansicpg1251\\deff0\\uc1\n{\\fonttbl";
        for (const auto& [family, index] : Fonts)
            document += "{\\f" + Number(index) + "\\fnil\\fcharset204 " + Escape(family) + ";}";
        document += "}\n{\\colortbl;\\red0\\green0\\blue0;}\n{\\*\\generator " + QByteArray(kReportCreator) +
                    ";}\n{\\info{\\doccomm " + QByteArray(kReportCreator) + "}}\n";
        if (!pages.empty())
            document += "\\paperw" + Number(Twips(pages.front().Width)) + "\\paperh" +
                        Number(Twips(pages.front().Height)) + "\\margl0\\margr0\\margt0\\margb0\n";
        return document + body + "}\n";
    }

private:
    std::map<QString, int> Fonts;

    int FontIndex(const QString& family)
    {
        const auto found = Fonts.find(family);
        if (found != Fonts.end())
            return found->second;
        const int index = static_cast<int>(Fonts.size());
        Fonts[family] = index;
        return index;
    }

    static QByteArray Section(const TPreparedPage& page)
    {
        QByteArray out = "\\sectd\\sbkpage\\pgwsxn" + Number(Twips(page.Width)) + "\\pghsxn" + Number(Twips(page.Height)) +
                         "\\marglsxn0\\margrsxn0\\margtsxn0\\margbsxn0";
        if (page.Landscape)
            out += "\\lndscpsxn";
        return out + '\n';
    }

    static QByteArray Frame(const QRectF& rect)
    {
        return "\\pard\\plain\\pvpg\\phpg\\posx" + Number(Twips(rect.left())) + "\\posy" + Number(Twips(rect.top())) +
               "\\absw" + Number(std::max(1, Twips(rect.width()))) + "\\absh-" +
               Number(std::max(1, Twips(rect.height())));
    }

    static QByteArray Borders(uint8_t sides, double width)
    {
        QByteArray out;
        const QByteArray line = "\\brdrs\\brdrw" + Number(std::max(1, Twips(width)));
        if (sides & FrameTop)
            out += "\\brdrt" + line;
        if (sides & FrameLeft)
            out += "\\brdrl" + line;
        if (sides & FrameBottom)
            out += "\\brdrb" + line;
        if (sides & FrameRight)
            out += "\\brdrr" + line;
        return out;
    }

    QByteArray Text(const TPreparedText& text)
    {
        QByteArray out = "{" + Frame(text.Rect) + Borders(text.Frame, text.FrameWidth);
        out += text.HAlign == THorzAlign::Center ? "\\qc" : text.HAlign == THorzAlign::Right ? "\\qr" : "\\ql";
        const double gapY = text.Gap / 2;
        double before = gapY;
        if (text.VAlign != TVertAlign::Top) {
            const auto lines = BreakTextLines(text.Text, text.Font, text.Rect.width() - 2 * text.Gap, text.WordWrap);
            const double free = std::max(0.0, text.Rect.height() - 2 * gapY - LinesHeight(lines));
            before += text.VAlign == TVertAlign::Middle ? free / 2 : free;
        }
        out += "\\li" + Number(Twips(text.Gap)) + "\\ri" + Number(Twips(text.Gap)) + "\\sb" + Number(Twips(before)) +
               "\\sa0\\f" + Number(FontIndex(text.Font.Family)) + "\\fs" +
               Number(static_cast<int>(std::lround(text.Font.Size * 2)));
        if (text.Font.Bold)
            out += "\\b";
        if (text.Font.Italic)
            out += "\\i";
        if (text.Font.Underline)
            out += "\\ul";
        return out + ' ' + Escape(text.Text) + "\\par}\n";
    }

    static QByteArray Picture(const TPreparedImage& image)
    {
        if (image.Image.isNull())
            return {};
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        image.Image.save(&buffer, "PNG");
        QByteArray out = "{" + Frame(image.Rect) + " {\\pict\\pngblip\\picw" + Number(image.Image.width()) + "\\pich" +
                         Number(image.Image.height()) + "\\picwgoal" + Number(Twips(image.Rect.width())) +
                         "\\pichgoal" + Number(Twips(image.Rect.height())) + "\n";
        const QByteArray hex = png.toHex();
        for (qsizetype i = 0; i < hex.size(); i += 128)
            out += hex.mid(i, 128) + '\n';
        return out + "}\\par}\n";
    }
};

} // namespace

QByteArray RtfDocument(const std::vector<TPreparedPage>& pages)
{
    return RtfBuilder().Build(pages);
}
