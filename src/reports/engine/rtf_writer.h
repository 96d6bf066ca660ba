#pragma once
// RTF of prepared sheets keeping their layout: one section per sheet (size, orientation), every field
// an absolutely positioned frame with its font, alignment and borders, pictures as PNG.
#include "reports/engine/prepared_page.h"

#include <QByteArray>

#include <vector>

QByteArray RtfDocument(const std::vector<TPreparedPage>& pages);
