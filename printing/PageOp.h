#pragma once

#include <QColor>
#include <QImage>
#include <QRectF>
#include <QString>

#include "printing/PageFont.h"

// One drawing operation handed to a page device. Positions are given twice: in the
// caller's units (as the printing code set them, for tests) and in twips from the
// top-left corner of the printable area (for the devices that draw).
struct PageOp {
    enum Kind { Text, Picture, Line, NewPage, EndDoc };
    Kind kind = Text;

    // Caller's units (ScaleMode), as passed: x, y and, for lines and pictures, x2/y2 or w/h.
    double x = 0, y = 0, x2 = 0, y2 = 0, w = 0, h = 0;
    int scaleMode = 1;  // 1 twips, 7 centimetres
    double scaleLeft = 0;

    // The same in twips from the printable area's top-left corner.
    QRectF twips;  // text: top-left and size; picture: target; line: from topLeft to bottomRight

    QString text;
    PageFont font;
    QColor color;
    bool fontTransparent = true;
    int drawWidth = 1;  // pen width in printer pixels at 600 dpi
    QImage image;
    int page = 1;  // page number inside the document, from 1
};
