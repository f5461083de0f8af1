#include "office/ColumnWidth.h"

#include <algorithm>

namespace {

// Advance widths in pixels of the default 11 pt face at 96 dpi, where a digit is 7 pixels.
constexpr double kDigitPixels = 7.0;
constexpr double kMarginPixels = 5.0;

double advance(char16_t c) {
    switch (c) {
        case u'i':
        case u'j':
        case u'l':
        case u'I':
        case u'\'':
        case u'.':
        case u',':
        case u':':
        case u';':
        case u'!':
        case u'|':
            return 3.0;
        case u'f':
        case u't':
        case u'r':
        case u' ':
        case u'(':
        case u')':
        case u'[':
        case u']':
        case u'-':
        case u'/':
            return 4.5;
        case u'm':
        case u'w':
        case u'M':
        case u'W':
        case u'@':
        case u'%':
            return 11.5;
        default:
            break;
    }
    if (c >= u'A' && c <= u'Z') return 8.0;
    if (c >= 0xC0 && c <= 0xDE) return 8.0;  // accented capitals
    return kDigitPixels;
}

}  // namespace

double ColumnWidth::of(const QString &text, bool bold) {
    if (text.isEmpty()) return 0;
    double pixels = 0;
    for (QChar c : text) pixels += advance(c.unicode());
    if (bold) pixels *= 1.08;
    return std::min(kMaximum, (pixels + kMarginPixels) / kDigitPixels);
}

void ColumnWidth::add(const QString &text, bool bold) {
    if (text.isEmpty()) return;
    // No text of this length can be wider than the widest seen: skip the measuring.
    if ((text.size() * 11.5 * 1.08 + kMarginPixels) / kDigitPixels <= m_width) return;
    m_width = std::max(m_width, of(text, bold));
}
