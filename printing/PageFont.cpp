#include "printing/PageFont.h"

#include <algorithm>

QFont PageFont::toQFont() const {
    QFont f(name);
    f.setPointSizeF(size);
    if (weight > 0)
        f.setWeight(QFont::Weight(std::clamp(weight, 100, 900)));
    else
        f.setBold(bold);
    f.setItalic(italic);
    f.setUnderline(underline);
    f.setStrikeOut(strikethrough);
    f.setKerning(false);
    // Widths must not depend on the device's resolution: no hinting, outlines only.
    f.setHintingPreference(QFont::PreferNoHinting);
    f.setStyleStrategy(QFont::PreferOutline);
    return f;
}
