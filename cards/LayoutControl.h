#pragma once

#include <QImage>
#include <QString>

#include "printing/PageFont.h"

// One control of a layout form, as the form printer reads it: its type, its name and
// element index, its place and size in twips, and what the type carries.
struct LayoutControl {
    enum class Type { TextBox, Label, PictureBox, Image, Line, Shape, Other };

    Type type = Type::TextBox;
    QString name;
    int index = -1;  // element of a control array, -1 for a single control
    bool visible = true;

    // TextBox, Label, PictureBox, Image.
    double left = 0, top = 0, width = 0, height = 0;
    // Line.
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;

    // TextBox and Label: the text (Text or Caption), colour 0x00BBGGRR, font, alignment
    // (0 left, 1 right, 2 centre); a label's BackStyle (0 transparent, 1 opaque).
    QString text;
    qint32 foreColor = 0;
    PageFont font;
    int alignment = 0;
    int backStyle = 1;

    // PictureBox and Image: the picture (none is the empty image).
    QImage picture;
};
