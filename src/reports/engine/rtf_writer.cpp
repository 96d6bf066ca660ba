#include "reports/engine/rtf_writer.h"

#include "reports/engine/report_export.h"
#include "reports/engine/text_layout.h"

#include <QBuffer>

#include <algorithm>
#include <cmath>
#include <map>

namespace {

int Twips(double mm)
{
    return static_cast<int>(std::lround(mm * 1440.0 / 25.4));
}

// RTF sizes fonts in half points only. Rounding down keeps a text measured at 11.25 pt within the
// field it was measured for; rounding up would make a word processor wrap it and cut the last line.
int HalfPoints(double points)
{
    return std::max(1, static_cast<int>(std::floor(points * 2 + 1e-9)));
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
            for (const TPreparedText* text : PaintingOrder(pages[i].Texts))
                body += Text(*text);
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

    // A word processor paints frames opaquely, a later one over an earlier one: empty fields (rules,
    // boxes) first, then the larger frames before the smaller ones they may hold.
    static std::vector<const TPreparedText*> PaintingOrder(const std::vector<TPreparedText>& texts)
    {
        std::vector<const TPreparedText*> order;
        for (const auto& text : texts)
            order.push_back(&text);
        std::stable_sort(order.begin(), order.end(), [](const TPreparedText* a, const TPreparedText* b) {
            if (a->Text.isEmpty() != b->Text.isEmpty())
                return a->Text.isEmpty();
            return a->Rect.width() * a->Rect.height() > b->Rect.width() * b->Rect.height();
        });
        return order;
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

    // A borderless frame starts this much lower (taken from the space above its text), so that it does
    // not cover the border of a neighbour that ends where it begins.
    static double BorderlessInset(const TPreparedText& text)
    {
        return text.Frame == FrameNone ? std::min(0.25, text.Gap / 2) : 0.0;
    }

    // Word processors measure a line a shade wider than our layout (rounding to twips, their own
    // kerning). A field without side borders gets a little more room on the side its line grows to,
    // so that a line measured to fit is not wrapped and cut by the frame's fixed height.
    static QRectF TextFrame(const TPreparedText& text)
    {
        constexpr double kSlack = 1.0; // mm
        QRectF frame = text.Rect;
        if (text.Frame == FrameNone)
            frame.setTop(frame.top() + BorderlessInset(text)); // clear of a border on its top edge
        if (text.Frame & (FrameLeft | FrameRight))
            return frame;
        switch (text.HAlign) {
        case THorzAlign::Left:
            frame.setRight(frame.right() + kSlack);
            break;
        case THorzAlign::Right:
            frame.setLeft(frame.left() - kSlack);
            break;
        case THorzAlign::Center:
            frame.adjust(-kSlack / 2, 0, kSlack / 2, 0);
            break;
        }
        return frame;
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

    // An empty field with only a bottom border is a rule: a hairline frame at its bottom, so that it
    // does not cover the texts its tall frame would overlap.
    static QByteArray Rule(const TPreparedText& text)
    {
        constexpr double kHairline = 0.1; // mm
        const QRectF line(text.Rect.left(), text.Rect.bottom() - kHairline, text.Rect.width(), kHairline);
        return "{" + Frame(line) + Borders(FrameBottom, text.FrameWidth) + "\\sb0\\sa0\\fs2 \\par}\n";
    }

    QByteArray Text(const TPreparedText& text)
    {
        if (text.Text.isEmpty() && text.Frame == FrameBottom)
            return Rule(text);
        QByteArray out = "{" + Frame(TextFrame(text)) + Borders(text.Frame, text.FrameWidth);
        out += text.HAlign == THorzAlign::Center ? "\\qc" : text.HAlign == THorzAlign::Right ? "\\qr" : "\\ql";
        const double gapY = text.Gap / 2;
        double before = gapY - BorderlessInset(text);
        if (text.VAlign != TVertAlign::Top) {
            const auto lines = BreakTextLines(text.Text, text.Font, text.Rect.width() - 2 * text.Gap, text.WordWrap);
            const double free = std::max(0.0, text.Rect.height() - 2 * gapY - LinesHeight(lines));
            before += text.VAlign == TVertAlign::Middle ? free / 2 : free;
        }
        out += "\\li" + Number(Twips(text.Gap)) + "\\ri" + Number(Twips(text.Gap)) + "\\sb" + Number(Twips(before)) +
               "\\sa0\\f" + Number(FontIndex(text.Font.Family)) + "\\fs" + Number(HalfPoints(text.Font.Size));
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
