#pragma once
// Boxes of a typeset formula: each knows its width and its extent above and below the baseline,
// and paints itself. LayoutExpression turns the structure of a formula into such a tree.
#include "ui/formula/formula_tree.h"

#include <QColor>
#include <QFont>
#include <QPointF>

#include <memory>

class QPainter;

class TFormulaBox {
  public:
    virtual ~TFormulaBox() = default;
    // origin: the left end of the baseline.
    virtual void Paint(QPainter& painter, QPointF origin) const = 0;
    double Height() const { return Ascent + Descent; }

    double Width = 0;
    double Ascent = 0;
    double Descent = 0;
};
using TFormulaBoxPtr = std::unique_ptr<TFormulaBox>;

// Font (with a pixel size) and colour of a box and of everything inside it.
struct TFormulaStyle {
    QFont Font;
    QColor Color;
};

// The serif font of formulas at a pixel size.
QFont FormulaFont(int pixelSize);

TFormulaBoxPtr LayoutExpression(const TFormulaExpr& expr, const TFormulaStyle& style);
// A variable name: italic, with "U_1" or "R12" written as U or R with the index below.
TFormulaBoxPtr LayoutName(const QString& name, const TFormulaStyle& style);
// Upright text as it stands.
TFormulaBoxPtr LayoutText(const QString& text, const TFormulaStyle& style);
// Boxes side by side on one baseline.
TFormulaBoxPtr LayoutRow(std::vector<TFormulaBoxPtr> boxes);
