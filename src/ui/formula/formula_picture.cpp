#include "ui/formula/formula_picture.h"

#include "ui/formula/formula_layout.h"

#include <QPainter>

#include <cmath>

using namespace Qt::StringLiterals;

namespace {

constexpr int Margin = 5;

// Font sizes are points on a 96 dpi screen.
int PixelsForPoints(int size)
{
    return static_cast<int>(std::lround(size * 96.0 / 72.0));
}

QImage Render(const TFormulaBox& chain)
{
    QImage image(static_cast<int>(std::ceil(chain.Width)) + 2 * Margin,
                 static_cast<int>(std::ceil(chain.Height())) + 2 * Margin, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    chain.Paint(painter, QPointF(Margin, Margin + chain.Ascent));
    return image;
}

std::vector<TFormulaBoxPtr> NameAndFormula(const QString& name, const QString& formula, int size, QColor nameColor)
{
    const TFormulaStyle style{FormulaFont(PixelsForPoints(size)), Qt::black};
    const TFormulaStyle nameStyle{style.Font, nameColor};
    std::vector<TFormulaBoxPtr> chain;
    chain.push_back(LayoutName(name, nameStyle));
    chain.push_back(LayoutText(u" = "_s, nameStyle));
    chain.push_back(LayoutExpression(ParseFormulaForTypesetting(formula), style));
    return chain;
}

} // namespace

QImage PaintFormula(const QString& name, const QString& formula, int size)
{
    return Render(*LayoutRow(NameAndFormula(name, formula, size, Qt::blue)));
}

QImage PaintReportFormula(const QString& name, const QString& formula, int size, const QString& tail)
{
    std::vector<TFormulaBoxPtr> chain = NameAndFormula(name, formula, size, Qt::black);
    chain.push_back(LayoutText(tail, {FormulaFont(PixelsForPoints(size)), Qt::black}));
    return Render(*LayoutRow(std::move(chain)));
}
