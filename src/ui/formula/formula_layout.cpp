#include "ui/formula/formula_layout.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace {

double PixelSize(const TFormulaStyle& style)
{
    return style.Font.pixelSize();
}

// Indices and exponents are set smaller.
TFormulaStyle ScriptStyle(const TFormulaStyle& style)
{
    TFormulaStyle script = style;
    script.Font.setPixelSize(std::max(1, static_cast<int>(std::lround(PixelSize(style) * 0.7))));
    return script;
}

double LineWidth(const TFormulaStyle& style)
{
    return std::max(1.0, PixelSize(style) / 16.0);
}

class TTextBox : public TFormulaBox {
  public:
    TTextBox(QString text, const TFormulaStyle& style, bool italic) : Text(std::move(text)), Style(style)
    {
        Style.Font.setItalic(italic);
        const QFontMetricsF metrics(Style.Font);
        Width = metrics.horizontalAdvance(Text);
        // Room for the slant of the last italic letter.
        if (italic && !Text.isEmpty())
            Width += PixelSize(Style) * 0.08;
        Ascent = metrics.ascent();
        Descent = metrics.descent();
    }
    void Paint(QPainter& painter, QPointF origin) const override
    {
        painter.setFont(Style.Font);
        painter.setPen(Style.Color);
        painter.drawText(origin, Text);
    }

  private:
    QString Text;
    TFormulaStyle Style;
};

class TSpaceBox : public TFormulaBox {
  public:
    explicit TSpaceBox(double width) { Width = width; }
    void Paint(QPainter&, QPointF) const override {}
};

class TRowBox : public TFormulaBox {
  public:
    explicit TRowBox(std::vector<TFormulaBoxPtr> boxes) : Boxes(std::move(boxes))
    {
        for (const TFormulaBoxPtr& box : Boxes) {
            Width += box->Width;
            Ascent = std::max(Ascent, box->Ascent);
            Descent = std::max(Descent, box->Descent);
        }
    }
    void Paint(QPainter& painter, QPointF origin) const override
    {
        for (const TFormulaBoxPtr& box : Boxes) {
            box->Paint(painter, origin);
            origin.rx() += box->Width;
        }
    }

  private:
    std::vector<TFormulaBoxPtr> Boxes;
};

class TFractionBox : public TFormulaBox {
  public:
    TFractionBox(TFormulaBoxPtr numerator, TFormulaBoxPtr denominator, const TFormulaStyle& style)
        : Numerator(std::move(numerator)), Denominator(std::move(denominator)), Color(style.Color),
          Line(LineWidth(style))
    {
        const double px = PixelSize(style);
        Axis = QFontMetricsF(style.Font).strikeOutPos();
        Gap = std::max(1.0, px * 0.12);
        Pad = px * 0.15;
        Width = std::max(Numerator->Width, Denominator->Width) + 2 * Pad;
        Ascent = Axis + Line / 2 + Gap + Numerator->Height();
        Descent = std::max(0.0, Denominator->Height() + Gap + Line / 2 - Axis);
    }
    void Paint(QPainter& painter, QPointF origin) const override
    {
        const double bar = origin.y() - Axis;
        painter.setPen(QPen(Color, Line));
        painter.drawLine(QPointF(origin.x() + Pad / 2, bar), QPointF(origin.x() + Width - Pad / 2, bar));
        Numerator->Paint(painter,
                         {origin.x() + (Width - Numerator->Width) / 2, bar - Line / 2 - Gap - Numerator->Descent});
        Denominator->Paint(painter,
                           {origin.x() + (Width - Denominator->Width) / 2, bar + Line / 2 + Gap + Denominator->Ascent});
    }

  private:
    TFormulaBoxPtr Numerator;
    TFormulaBoxPtr Denominator;
    QColor Color;
    double Line;
    double Axis = 0;
    double Gap = 0;
    double Pad = 0;
};

// A base with a raised exponent and/or a lowered index.
class TScriptBox : public TFormulaBox {
  public:
    TScriptBox(TFormulaBoxPtr base, TFormulaBoxPtr superscript, TFormulaBoxPtr subscript, const TFormulaStyle& style)
        : Base(std::move(base)), Super(std::move(superscript)), Sub(std::move(subscript))
    {
        const double px = PixelSize(style);
        Width = Base->Width;
        Ascent = Base->Ascent;
        Descent = Base->Descent;
        double scripts = 0;
        if (Super) {
            Raise = std::max(px * 0.45, Base->Ascent - Super->Ascent * 0.6);
            Ascent = std::max(Ascent, Raise + Super->Ascent);
            Descent = std::max(Descent, Super->Descent - Raise);
            scripts = Super->Width;
        }
        if (Sub) {
            Drop = std::max(px * 0.25, Base->Descent * 0.8);
            Descent = std::max(Descent, Drop + Sub->Descent);
            Ascent = std::max(Ascent, Sub->Ascent - Drop);
            scripts = std::max(scripts, Sub->Width);
        }
        Width += scripts + px * 0.05;
    }
    void Paint(QPainter& painter, QPointF origin) const override
    {
        Base->Paint(painter, origin);
        const double x = origin.x() + Base->Width;
        if (Super)
            Super->Paint(painter, {x, origin.y() - Raise});
        if (Sub)
            Sub->Paint(painter, {x, origin.y() + Drop});
    }

  private:
    TFormulaBoxPtr Base;
    TFormulaBoxPtr Super;
    TFormulaBoxPtr Sub;
    double Raise = 0;
    double Drop = 0;
};

// Brackets stretched to the height of what they enclose.
class TFenceBox : public TFormulaBox {
  public:
    TFenceBox(TFormulaBoxPtr content, QString opening, QString closing, const TFormulaStyle& style)
        : Content(std::move(content)), Opening(std::move(opening)), Closing(std::move(closing)), Style(style)
    {
        const QFontMetricsF metrics(Style.Font);
        const double margin = PixelSize(style) * 0.08;
        GlyphAscent = metrics.ascent();
        GlyphHeight = metrics.ascent() + metrics.descent();
        Ascent = std::max(metrics.ascent(), Content->Ascent + margin);
        Descent = std::max(metrics.descent(), Content->Descent + margin);
        OpeningWidth = metrics.horizontalAdvance(Opening);
        Width = OpeningWidth + Content->Width + metrics.horizontalAdvance(Closing);
    }
    void Paint(QPainter& painter, QPointF origin) const override
    {
        PaintGlyph(painter, Opening, origin.x(), origin.y());
        Content->Paint(painter, {origin.x() + OpeningWidth, origin.y()});
        PaintGlyph(painter, Closing, origin.x() + OpeningWidth + Content->Width, origin.y());
    }

  private:
    void PaintGlyph(QPainter& painter, const QString& glyph, double x, double baseline) const
    {
        painter.save();
        painter.setFont(Style.Font);
        painter.setPen(Style.Color);
        painter.translate(x, baseline - Ascent);
        painter.scale(1.0, Height() / GlyphHeight);
        painter.drawText(QPointF(0, GlyphAscent), glyph);
        painter.restore();
    }

    TFormulaBoxPtr Content;
    QString Opening;
    QString Closing;
    TFormulaStyle Style;
    double GlyphAscent = 0;
    double GlyphHeight = 1;
    double OpeningWidth = 0;
};

class TRadicalBox : public TFormulaBox {
  public:
    TRadicalBox(TFormulaBoxPtr content, const TFormulaStyle& style)
        : Content(std::move(content)), Color(style.Color), Line(LineWidth(style))
    {
        const double px = PixelSize(style);
        const QFontMetricsF metrics(style.Font);
        Gap = std::max(1.0, px * 0.12);
        Sign = px * 0.6;
        Ascent = std::max(metrics.ascent(), Content->Ascent + Gap + Line);
        Descent = std::max(metrics.descent() * 0.5, Content->Descent + Line);
        Width = Sign + Content->Width + 2 * Gap;
    }
    void Paint(QPainter& painter, QPointF origin) const override
    {
        const double x = origin.x();
        const double top = origin.y() - Ascent + Line / 2;
        const double bottom = origin.y() + Descent - Line / 2;
        const double middle = origin.y() - (Ascent - Descent) * 0.35;
        QPainterPath path(QPointF(x + Sign * 0.05, middle + Sign * 0.1));
        path.lineTo(x + Sign * 0.3, middle);
        path.lineTo(x + Sign * 0.55, bottom);
        path.lineTo(x + Sign, top);
        path.lineTo(x + Width, top);
        painter.save();
        painter.setPen(QPen(Color, Line, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(path);
        painter.restore();
        Content->Paint(painter, {x + Sign + Gap, origin.y()});
    }

  private:
    TFormulaBoxPtr Content;
    QColor Color;
    double Line;
    double Gap = 0;
    double Sign = 0;
};

// A variable name with an optional exponent; "U_1" and "R12" get their index set below the name,
// under the exponent.
TFormulaBoxPtr LayoutScripted(const QString& name, TFormulaBoxPtr exponent, const TFormulaStyle& style)
{
    static const QRegularExpression indexed(u"^(.+?)(?:_(.+)|(\\d+))$"_s);
    const QRegularExpressionMatch match = indexed.match(name);
    QString base = name;
    TFormulaBoxPtr index;
    if (match.hasMatch() && !match.captured(1).trimmed().isEmpty()) {
        base = match.captured(1);
        const QString text = match.captured(2).isEmpty() ? match.captured(3) : match.captured(2);
        index = std::make_unique<TTextBox>(text, ScriptStyle(style), false);
    }
    auto baseBox = std::make_unique<TTextBox>(base, style, true);
    if (!index && !exponent)
        return baseBox;
    return std::make_unique<TScriptBox>(std::move(baseBox), std::move(exponent), std::move(index), style);
}

bool IsAdditiveNode(const TFormulaExpr& e)
{
    return e.Kind == TExprKind::Binary && (e.Text == u"+"_s || e.Text == u"-"_s);
}

// A bracketed operand of a fraction or an exponent loses its brackets: the layout shows the grouping.
const TFormulaExpr& WithoutBrackets(const TFormulaExpr& e)
{
    return e.Kind == TExprKind::Group ? e.Items[0] : e;
}

TFormulaBoxPtr Fenced(TFormulaBoxPtr content, const TFormulaStyle& style)
{
    return std::make_unique<TFenceBox>(std::move(content), u"("_s, u")"_s, style);
}

// An operator with a little room on either side.
TFormulaBoxPtr Operator(const QString& symbol, double room, const TFormulaStyle& style)
{
    const double space = PixelSize(style) * room;
    std::vector<TFormulaBoxPtr> boxes;
    boxes.push_back(std::make_unique<TSpaceBox>(space));
    boxes.push_back(LayoutText(symbol, style));
    boxes.push_back(std::make_unique<TSpaceBox>(space));
    return LayoutRow(std::move(boxes));
}

TFormulaBoxPtr Pair(TFormulaBoxPtr first, TFormulaBoxPtr second)
{
    std::vector<TFormulaBoxPtr> boxes;
    boxes.push_back(std::move(first));
    boxes.push_back(std::move(second));
    return LayoutRow(std::move(boxes));
}

TFormulaBoxPtr Triple(TFormulaBoxPtr first, TFormulaBoxPtr second, TFormulaBoxPtr third)
{
    std::vector<TFormulaBoxPtr> boxes;
    boxes.push_back(std::move(first));
    boxes.push_back(std::move(second));
    boxes.push_back(std::move(third));
    return LayoutRow(std::move(boxes));
}

QString OperatorSymbol(const QString& op)
{
    if (op == u"-"_s)
        return QString(QChar(0x2212)); // minus sign
    if (op == u"*"_s)
        return QString(QChar(0x00B7)); // middle dot
    return op;
}

TFormulaBoxPtr LayoutBinary(const TFormulaExpr& e, const TFormulaStyle& style)
{
    const TFormulaExpr& left = e.Items[0];
    const TFormulaExpr& right = e.Items[1];
    if (e.Text == u"/"_s)
        return std::make_unique<TFractionBox>(LayoutExpression(WithoutBrackets(left), style),
                                              LayoutExpression(WithoutBrackets(right), style), style);
    if (e.Text == u"^"_s) {
        TFormulaBoxPtr exponent = LayoutExpression(WithoutBrackets(right), ScriptStyle(style));
        if (left.Kind == TExprKind::Name)
            return LayoutScripted(left.Text, std::move(exponent), style);
        return std::make_unique<TScriptBox>(LayoutExpression(left, style), std::move(exponent), nullptr, style);
    }
    TFormulaBoxPtr rightBox = LayoutExpression(right, style);
    // Additive operators group to the right, so "a-b-c" is a-(b-c): say so.
    if (e.Text == u"-"_s && IsAdditiveNode(right))
        rightBox = Fenced(std::move(rightBox), style);
    const double room = e.Text == u"*"_s ? 0.12 : 0.22;
    return Triple(LayoutExpression(left, style), Operator(OperatorSymbol(e.Text), room, style), std::move(rightBox));
}

} // namespace

QFont FormulaFont(int pixelSize)
{
    QFont font(u"DejaVu Serif"_s);
    font.setStyleHint(QFont::Serif);
    font.setPixelSize(std::max(1, pixelSize));
    return font;
}

TFormulaBoxPtr LayoutText(const QString& text, const TFormulaStyle& style)
{
    return std::make_unique<TTextBox>(text, style, false);
}

TFormulaBoxPtr LayoutRow(std::vector<TFormulaBoxPtr> boxes)
{
    return std::make_unique<TRowBox>(std::move(boxes));
}

TFormulaBoxPtr LayoutName(const QString& name, const TFormulaStyle& style)
{
    return LayoutScripted(name, nullptr, style);
}

TFormulaBoxPtr LayoutExpression(const TFormulaExpr& e, const TFormulaStyle& style)
{
    switch (e.Kind) {
    case TExprKind::Empty:
        return LayoutText(QString(), style);
    case TExprKind::Number:
    case TExprKind::Plain:
        return LayoutText(e.Text, style);
    case TExprKind::Name:
        return LayoutName(e.Text, style);
    case TExprKind::Function:
        if (e.Text == u"sqrt"_s)
            return std::make_unique<TRadicalBox>(LayoutExpression(e.Items[0], style), style);
        return Pair(LayoutText(e.Text, style), Fenced(LayoutExpression(e.Items[0], style), style));
    case TExprKind::Group:
        return std::make_unique<TFenceBox>(LayoutExpression(e.Items[0], style), e.Text.left(1), e.Text.mid(1), style);
    case TExprKind::Unary: {
        TFormulaBoxPtr operand = LayoutExpression(e.Items[0], style);
        if (IsAdditiveNode(e.Items[0]))
            operand = Fenced(std::move(operand), style);
        return Pair(LayoutText(OperatorSymbol(e.Text), style), std::move(operand));
    }
    case TExprKind::Binary:
        return LayoutBinary(e, style);
    case TExprKind::Row: {
        std::vector<TFormulaBoxPtr> boxes;
        for (const TFormulaExpr& item : e.Items)
            boxes.push_back(LayoutExpression(item, style));
        return LayoutRow(std::move(boxes));
    }
    }
    return LayoutText(e.Text, style);
}
