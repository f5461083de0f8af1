#pragma once

#include <QPainter>

#include "printing/PageOp.h"

// Draws one page operation with a painter: the printer's device and the preview window
// draw the same way. `pxPerTwip` turns twips into the painter's pixels; texts are
// measured on `fontDevice` (the painter's device).
namespace PageOpPainter {

void draw(QPainter &painter, const PageOp &op, double pxPerTwip, QPaintDevice *fontDevice);

}  // namespace PageOpPainter
