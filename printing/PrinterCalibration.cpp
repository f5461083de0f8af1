#include "printing/PrinterCalibration.h"

#include <QStringList>
#include <cmath>

#include "printing/Twips.h"

namespace {

double tenths(double v) {
    return std::round(v * 10.0) / 10.0;
}

QString number(double v) {
    return QString::number(tenths(v), 'f', 1);
}

}  // namespace

std::optional<PrinterCalibration> PrinterCalibration::of(double dx, double dy, double sx,
                                                         double sy) {
    for (double v : {dx, dy, sx, sy})
        if (!std::isfinite(v)) return std::nullopt;
    PrinterCalibration c{tenths(dx), tenths(dy), tenths(sx), tenths(sy)};
    if (std::abs(c.offsetXmm) > kMaxOffsetMm || std::abs(c.offsetYmm) > kMaxOffsetMm)
        return std::nullopt;
    for (double s : {c.scaleXpct, c.scaleYpct})
        if (s < kMinScalePct || s > kMaxScalePct) return std::nullopt;
    return c;
}

QPointF PrinterCalibration::apply(QPointF p) const {
    return QPointF(p.x() * scaleXpct / 100.0 + Twips::fromMm(offsetXmm).value(),
                   p.y() * scaleYpct / 100.0 + Twips::fromMm(offsetYmm).value());
}

QRectF PrinterCalibration::apply(const QRectF &r) const {
    return QRectF(apply(r.topLeft()), apply(r.bottomRight()));
}

QString PrinterCalibration::text() const {
    return QStringList{number(offsetXmm), number(offsetYmm), number(scaleXpct), number(scaleYpct)}
        .join(u' ');
}

std::optional<PrinterCalibration> PrinterCalibration::fromText(const QString &text) {
    const QStringList parts = text.simplified().split(u' ', Qt::SkipEmptyParts);
    if (parts.size() != 4) return std::nullopt;
    double v[4];
    for (int i = 0; i < 4; ++i) {
        bool ok = false;
        v[i] = parts[i].toDouble(&ok);
        if (!ok) return std::nullopt;
    }
    return of(v[0], v[1], v[2], v[3]);
}
