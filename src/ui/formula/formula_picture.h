#pragma once
// Typeset pictures of a model: the output name, an equals sign and the formula.
#include <QImage>
#include <QString>

// The picture at font size `size` (points at 96 dpi), the name in blue, white background,
// 5 pixels of margin around the typeset line. Never fails on a formula it cannot read: what does
// not parse is shown as plain text.
QImage PaintFormula(const QString& name, const QString& formula, int size);
// For the report: the name in black and the tail text (the unit) after the formula.
QImage PaintReportFormula(const QString& name, const QString& formula, int size, const QString& tail);
