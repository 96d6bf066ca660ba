#pragma once
// The program's emblem: a bell curve over a blue tile with the interval of one standard uncertainty
// marked under it.
#include <QPixmap>

QPixmap PaintEmblem(int size);
