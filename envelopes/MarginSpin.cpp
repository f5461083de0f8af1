#include "envelopes/MarginSpin.h"

#include <cmath>

double MarginSpin::leadingNumber(const QString &text) {
    qsizetype i = 0;
    while (i < text.size() && (text.at(i) == u' ' || text.at(i) == u'\t')) ++i;
    bool negative = false;
    if (i < text.size() && (text.at(i) == u'+' || text.at(i) == u'-')) {
        negative = text.at(i) == u'-';
        ++i;
    }
    double v = 0;
    while (i < text.size() && text.at(i) >= u'0' && text.at(i) <= u'9') {
        v = v * 10 + (text.at(i).unicode() - '0');
        ++i;
        if (v > 1e15) break;
    }
    if (i < text.size() && text.at(i) == u'.') {
        ++i;
        double scale = 0.1;
        while (i < text.size() && text.at(i) >= u'0' && text.at(i) <= u'9') {
            v += (text.at(i).unicode() - '0') * scale;
            scale /= 10;
            ++i;
        }
    }
    return negative ? -v : v;
}

std::optional<int> MarginSpin::barValueFor(const QString &text) {
    const double v = leadingNumber(text);
    if (v == 0) return std::nullopt;
    const double whole = std::nearbyint(v);  // the default rounding mode: halves to even
    if (whole < kMinimum || whole > kMaximum) return std::nullopt;
    return int(whole);
}
