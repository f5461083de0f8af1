#pragma once

#include <QPointF>
#include <QRectF>
#include <QString>
#include <optional>

// What corrects a print queue's small errors: an offset of the whole page (millimetres,
// right and down) and a scale across and down (per cent), applied from the top-left
// corner of the printable area. A PDF file is never calibrated.
struct PrinterCalibration {
    double offsetXmm = 0, offsetYmm = 0;
    double scaleXpct = 100, scaleYpct = 100;

    static constexpr double kMaxOffsetMm = 20.0;
    static constexpr double kMinScalePct = 98.0;
    static constexpr double kMaxScalePct = 102.0;

    // The calibration of these values rounded to tenths; nothing when one is outside its
    // range (offsets −20.0 … +20.0 mm, scales 98.0 … 102.0 %) or not a number.
    static std::optional<PrinterCalibration> of(double dx, double dy, double sx = 100,
                                                double sy = 100);
    bool isIdentity() const { return *this == PrinterCalibration{}; }

    // A point or rectangle of the page, in twips, as the calibrated queue must receive it.
    QPointF apply(QPointF twips) const;
    QRectF apply(const QRectF &twips) const;

    // "1.5 -0.3 100.2 99.8": the four values as kept and shown, tenths with a dot.
    QString text() const;
    // The text back; nothing when it is not four sound values.
    static std::optional<PrinterCalibration> fromText(const QString &text);

    bool operator==(const PrinterCalibration &o) const = default;
};
