#pragma once

#include <QSizeF>

// The paper a document is printed on: a size in millimetres (given upright, the short
// side first; the orientation turns it), or the print queue's own default paper.
struct Paper {
    bool printersOwn = false;
    QSizeF millimetres{210, 297};

    static Paper a4() { return Paper{}; }
    static Paper ofPrinter() { return Paper{true, QSizeF()}; }
    static Paper ofSize(double width, double height) { return Paper{false, QSizeF(width, height)}; }
    bool operator==(const Paper &o) const = default;
};
