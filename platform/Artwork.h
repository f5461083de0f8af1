#pragma once

#include <QImage>
#include <QString>

// The program's own pictures, drawn as SVG and kept as resources (":/art/tile.svg").
class Artwork {
public:
    // Renders the picture at its own size, or at `size` when given.
    static QImage render(const QString &resource, QSize size = QSize());
};
