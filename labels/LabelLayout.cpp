#include "labels/LabelLayout.h"

#include <QStringList>

QRectF LabelLayout::labelRect(int k) const {
    const int column = k % columns;
    const int row = k / columns;
    return QRectF(left + column * horizontalPitch, top + row * verticalPitch, width, height);
}

const QList<LabelLayout> &LabelLayout::all() {
    // key, name, width × height, columns × rows, left / top margin, pitch across / down.
    static const QList<LabelLayout> layouts{
        {"3x8", "3 × 8, 70 × 37 mm", 70, 37, 3, 8, 0, 0.5, 70, 37},
        {"3x7", "3 × 7, 70 × 42,3 mm", 70, 42.3, 3, 7, 0, 0.45, 70, 42.3},
        {"2x7", "2 × 7, 99,1 × 38,1 mm", 99.1, 38.1, 2, 7, 4.65, 15.15, 101.6, 38.1},
        {"3x7s", "3 × 7, 63,5 × 38,1 mm", 63.5, 38.1, 3, 7, 7.25, 15.15, 66, 38.1},
        {"2x4", "2 × 4, 99,1 × 67,7 mm", 99.1, 67.7, 2, 4, 4.65, 13.1, 101.6, 67.7},
    };
    return layouts;
}

std::optional<LabelLayout> LabelLayout::fromKey(const QString &key) {
    for (const LabelLayout &l : all())
        if (key == QLatin1String(l.key)) return l;
    return std::nullopt;
}

QString LabelLayout::keysText() {
    QStringList keys;
    for (const LabelLayout &l : all()) keys << QString::fromLatin1(l.key);
    return keys.join(QStringLiteral(", "));
}
