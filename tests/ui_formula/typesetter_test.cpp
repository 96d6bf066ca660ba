// The typesetter: grouping as the calculation groups, plain text for what does not parse, pictures
// for any text.
#include "ui/formula/formula_picture.h"
#include "ui/formula/formula_tree.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

// Readable failures.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << text.toStdString();
}

namespace {
// A compact form of the structure: binary nodes as (left op right), functions as f[x], groups as
// {x}, unary as (op x), rows as <x y>, plain text as 'x', an empty operand as _.
QString Shape(const TFormulaExpr& e)
{
    switch (e.Kind) {
    case TExprKind::Empty:
        return u"_"_s;
    case TExprKind::Number:
    case TExprKind::Name:
        return e.Text;
    case TExprKind::Plain:
        return u"'"_s + e.Text + u"'"_s;
    case TExprKind::Function:
        return e.Text + u"["_s + Shape(e.Items[0]) + u"]"_s;
    case TExprKind::Group:
        return u"{"_s + Shape(e.Items[0]) + u"}"_s;
    case TExprKind::Unary:
        return u"("_s + e.Text + Shape(e.Items[0]) + u")"_s;
    case TExprKind::Binary:
        return u"("_s + Shape(e.Items[0]) + e.Text + Shape(e.Items[1]) + u")"_s;
    case TExprKind::Row: {
        QStringList parts;
        for (const TFormulaExpr& item : e.Items)
            parts << Shape(item);
        return u"<"_s + parts.join(u' ') + u">"_s;
    }
    }
    return {};
}
} // namespace

TEST(TypesetterStructure, GroupsAsTheCalculationDoes)
{
    const std::pair<QString, QString> cases[] = {
        {u"U1/R1*k+dU"_s, u"((U1/(R1*k))+dU)"_s},
        {u"a-b-c"_s, u"(a-(b-c))"_s},
        {u"a/b/c"_s, u"(a/(b/c))"_s},
        {u"a^2*b"_s, u"(a^(2*b))"_s},
        {u"-a*b+c"_s, u"((-(a*b))+c)"_s},
        {u"+a-b"_s, u"(+(a-b))"_s},
        {u"(a+b)*c+d"_s, u"(({(a+b)}*c)+d)"_s},
        {u"sqrt(x^2+y^2)"_s, u"sqrt[((x^2)+(y^2))]"_s},
        {u"sin(x)*2+y"_s, u"((sin[x]*2)+y)"_s},
        {u"2,5e-3*x"_s, u"(2,5e-3*x)"_s},
        {u"d t*2"_s, u"(d t*2)"_s},
        {u"[a+b}/2"_s, u"({(a+b)}/2)"_s},
    };
    for (const auto& [text, shape] : cases)
        EXPECT_EQ(Shape(ParseFormulaForTypesetting(text)), shape) << text.toStdString();
}

TEST(TypesetterStructure, KeepsWhatItCannotReadAsText)
{
    const std::pair<QString, QString> cases[] = {
        {u""_s, u"_"_s},       {u"(a+b"_s, u"(<'(' a>+b)"_s}, {u"a*b)+c"_s, u"((a*<b ')'>)+c)"_s},
        {u"2a"_s, u"<2 a>"_s}, {u"(a)b"_s, u"<{a} b>"_s},     {u"a*-b"_s, u"((a*_)-b)"_s},
        {u"x+"_s, u"(x+_)"_s}, {u"sin x"_s, u"sin x"_s},
    };
    for (const auto& [text, shape] : cases)
        EXPECT_EQ(Shape(ParseFormulaForTypesetting(text)), shape) << text.toStdString();
}

TEST(TypesetterPicture, PaintsAnyTextWithAMargin)
{
    const QString texts[] = {u""_s,         u" "_s,
                             u"((("_s,      u")))"_s,
                             u"^^^"_s,      u"/"_s,
                             u"sqrt()"_s,   u"a/(b/(c/(d/e)))"_s,
                             u"x^y^z^w"_s,  u"ё + Ж_1 * R12"_s,
                             u"1,2,3..e+"_s};
    for (const QString& text : texts) {
        const QImage picture = PaintFormula(u"Y"_s, text, 13);
        EXPECT_FALSE(picture.isNull()) << text.toStdString();
        EXPECT_GT(picture.width(), 10) << text.toStdString();
        EXPECT_EQ(picture.pixelColor(0, 0), QColor(Qt::white));
    }
}

TEST(TypesetterPicture, SurvivesRandomAndDeeplyNestedTexts)
{
    const QString alphabet = u"ab1,.e+-*/^()[]{} sinqrtE_"_s;
    quint32 seed = 12345;
    for (int n = 0; n < 300; ++n) {
        QString text;
        for (int k = 0; k < 1 + n % 40; ++k) {
            seed = seed * 1664525u + 1013904223u;
            text += alphabet[static_cast<int>((seed >> 16) % alphabet.size())];
        }
        EXPECT_FALSE(PaintFormula(u"Y"_s, text, 13).isNull()) << text.toStdString();
    }
    // Far deeper than any model: what is too deep is kept as text.
    EXPECT_FALSE(PaintFormula(u"Y"_s, u"("_s.repeated(20000) + u"a"_s + u")"_s.repeated(20000), 2).isNull());
    EXPECT_FALSE(PaintFormula(u"Y"_s, u"a+"_s.repeated(20000) + u"a"_s, 2).isNull());
}

TEST(TypesetterPicture, SizeAndFractionsMakeItLarger)
{
    const QImage small = PaintFormula(u"Y"_s, u"a+b"_s, 7);
    const QImage large = PaintFormula(u"Y"_s, u"a+b"_s, 13);
    EXPECT_GT(large.width(), small.width());
    EXPECT_GT(large.height(), small.height());
    const QImage fraction = PaintFormula(u"Y"_s, u"a/b"_s, 13);
    EXPECT_GT(fraction.height(), large.height());
    const QImage report = PaintReportFormula(u"Y"_s, u"a+b"_s, 13, u", В"_s);
    EXPECT_GT(report.width(), large.width());
}
