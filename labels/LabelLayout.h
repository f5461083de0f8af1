#pragma once

#include <QList>
#include <QRectF>
#include <QString>
#include <optional>

// One A4 sheet of die-cut address labels: the size of a label, the grid of labels and
// where it sits on the sheet, all in millimetres from the top-left corner of the page.
// Label k (0 … labels − 1) is in column k % columns of row k / columns.
struct LabelLayout {
    const char *key;   // the terminal's short name ("3x8")
    const char *name;  // what the label dialog shows ("3 × 8, 70 × 37 mm")
    double width, height;
    int columns, rows;
    double left, top;
    double horizontalPitch, verticalPitch;

    int labels() const { return columns * rows; }
    // The rectangle of label k of a sheet, in millimetres.
    QRectF labelRect(int k) const;

    // Every layout in the order the label dialog lists them.
    static const QList<LabelLayout> &all();
    // The layout of a short name; nothing for any other text.
    static std::optional<LabelLayout> fromKey(const QString &key);
    // The short names, separated by ", " (for messages).
    static QString keysText();
};
