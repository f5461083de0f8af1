#include "platform/PageFont.h"

QFont PageFont::toQFont() const {
    QFont f(name);
    f.setPointSizeF(size);
    f.setBold(bold);
    f.setItalic(italic);
    f.setUnderline(underline);
    f.setStrikeOut(strikethrough);
    f.setKerning(false);
    f.setStyleStrategy(QFont::PreferOutline);
    return f;
}
