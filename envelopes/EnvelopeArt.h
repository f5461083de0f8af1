#pragma once

#include <QColor>
#include <QImage>

// The envelope composer's own pictures, drawn as SVG in the program.
class EnvelopeArt {
public:
    enum Picture { Globe, Stamp, Search, Clear, Margins };
    // Renders the picture at that size over the background colour (transparent when
    // the colour is Qt::transparent).
    static QImage render(Picture picture, QSize size, const QColor &background = Qt::transparent);
    static QByteArray svg(Picture picture);
};
