#include "cards/CardStock.h"

#include "printing/Twips.h"

namespace {

// A length in millimetres as the stock names write it: "85", "54,5".
QString mmText(double mm) {
    return QString::number(mm, 'g', 4).replace(u'.', u',');
}

}  // namespace

QString CardStock::name() const {
    return QString::fromUtf8("Biglietti %1 %2 × %3 mm, %4 per foglio")
        .arg(QString::fromUtf8(kind), mmText(width), mmText(height))
        .arg(cards());
}

QRectF CardStock::cardMm(int k) const {
    const int column = k % columns;
    const int row = k / columns;
    return QRectF(left + column * horizontalPitch, top + row * verticalPitch, width, height);
}

QRectF CardStock::cardTwips(int k) const {
    const QRectF mm = cardMm(k);
    return QRectF(Twips::fromMm(mm.x()).value(), Twips::fromMm(mm.y()).value(),
                  Twips::fromMm(mm.width()).value(), Twips::fromMm(mm.height()).value());
}

const QList<CardStock> &CardStock::all() {
    // Every geometry below is the one the label program gLabels publishes in its template
    // data (repository jimevins/glabels-qt, folder templates/); where a file gives points
    // (no unit), 1 mm = 2.83465 pt. Two products share a row only when their templates
    // give the same card, margins and pitch.
    //
    // 85x54-10  templates/avery-iso-templates.xml @ 724ad8e115dcfe409da65c0e9f7d89f490cece77
    //           Avery C32011-10: width 85mm height 54mm, nx 2 ny 5, x0 15mm y0 13.5mm,
    //           dx 95mm dy 54mm;
    //           templates/decadry-iso-templates.xml @ 657ea9fa3e7ec9d1d70f56fe2540c41b2507476e
    //           DECAdry OCC-3342 (= OCB-3327, SCW-2090, DAW-327): 240.945 × 153.071 pt,
    //           x0 42.5197pt y0 38.2677pt, dx 269.291pt dy 153.071pt (the same in mm).
    // 85x55-10  templates/misc-iso-templates.xml @ 724ad8e115dcfe409da65c0e9f7d89f490cece77
    //           Sigel LP 800 (= LP 801, LP 802): 85.0mm × 55.0mm, nx 2 ny 5, x0 15.0mm
    //           y0 10.0mm, dx 95.0mm dy 55.0mm; Staples "EU BC Supreme" in the same file:
    //           240.945 × 155.906 pt, columns at x0 42.5197pt and 311.811pt, y0 28.3465pt,
    //           dy 155.906pt (the same in mm).
    // 85x54-8   templates/avery-iso-templates.xml @ 724ad8e115dcfe409da65c0e9f7d89f490cece77
    //           Avery 32015 (= C32015): 85mm × 54mm, nx 2 ny 4, x0 17mm y0 31.5mm,
    //           dx 91mm dy 60mm; the same in templates/zweckform-iso-templates.xml
    //           @ 724ad8e115dcfe409da65c0e9f7d89f490cece77 (Zweckform 32015). Cards apart
    //           from one another: a die-cut sheet.
    // 90x50-10  templates/misc-iso-templates.xml @ 724ad8e115dcfe409da65c0e9f7d89f490cece77
    //           Kores KPCV1: 90mm × 50mm, nx 2 ny 5, x0 15mm y0 24mm, dx 90mm dy 50mm.

    // One stock a row: key, kind, width × height, columns × rows, left / top, pitch
    // across / down, products.
    // clang-format off
    static const QList<CardStock> stocks{
        {"85x55-10", "microperforati", 85, 55, 2, 5, 15, 10,   95, 55, "Sigel LP 800, LP 801, LP 802; Staples EU BC Supreme"},
        {"85x54-10", "microperforati", 85, 54, 2, 5, 15, 13.5, 95, 54, "Avery C32011-10; DECAdry OCC-3342, OCB-3327, SCW-2090, DAW-327"},
        {"85x54-8",  "prefustellati",  85, 54, 2, 4, 17, 31.5, 91, 60, "Avery 32015, C32015; Zweckform 32015"},
        {"90x50-10", "microperforati", 90, 50, 2, 5, 15, 24,   90, 50, "Kores KPCV1"},
    };
    // clang-format on
    return stocks;
}

std::optional<CardStock> CardStock::fromKey(const QString &key) {
    for (const CardStock &s : all())
        if (key == QLatin1String(s.key)) return s;
    return std::nullopt;
}
