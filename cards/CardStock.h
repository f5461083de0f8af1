#pragma once

#include <QList>
#include <QRectF>
#include <QString>
#include <optional>

// One A4 sheet of business-card stock sold ready to print: the size of a card, the grid
// of cards and where it sits on the sheet, all in millimetres from the top-left corner
// of the page. Card k (0 … cards − 1) is in column k % columns of row k / columns.
struct CardStock {
    const char *key;   // the terminal's short name ("85x55-10")
    const char *kind;  // "microperforati", "prefustellati"
    double width, height;
    int columns, rows;
    double left, top;
    double horizontalPitch, verticalPitch;
    // The products this sheet fits, as their makers number them.
    const char *products;

    int cards() const { return columns * rows; }
    // "Biglietti microperforati 85 × 55 mm, 10 per foglio".
    QString name() const;
    // The card k of a sheet, in millimetres and in twips.
    QRectF cardMm(int k) const;
    QRectF cardTwips(int k) const;

    // Every stock in the order the print dialog lists them.
    static const QList<CardStock> &all();
    // The stock of a short name; nothing for any other text.
    static std::optional<CardStock> fromKey(const QString &key);
};
