#include "printing/TextFit.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <cmath>

namespace TextFit {

namespace {

// A hair of tolerance so that a text exactly as wide as its box counts as fitting.
constexpr double kTolerance = 1e-6;

bool fits(double measured, double width) {
    return measured <= width * (1 + kTolerance) + kTolerance;
}

}  // namespace

FittedText fit(const QString &text, const PageFont &font, double width, const Measure &measure) {
    FittedText out{text, font, false, false};
    const double full = measure(text, font);
    if (fits(full, width) || text.isEmpty()) return out;

    const double smallest = font.size * kSmallestShare;
    // Widths of outline fonts grow in proportion to the size: start from the size that
    // would just fit, on the step grid, and step down until the measurement agrees.
    double size =
        width > 0 ? (std::floor(font.size * width / full / kSizeStep) + 2) * kSizeStep : 0;
    size = std::min(size, font.size - kSizeStep);
    for (; size >= smallest - kTolerance; size -= kSizeStep) {
        PageFont tried = font;
        tried.size = size;
        if (fits(measure(text, tried), width)) {
            out.font = tried;
            out.shrunk = true;
            return out;
        }
    }

    // Too wide even at the smallest size: the longest start of the text that fits.
    out.font.size = smallest;
    out.shrunk = true;
    out.cut = true;
    int lo = 0, hi = int(text.size());  // text.left(lo) fits, text.left(hi) does not
    while (hi - lo > 1) {
        const int mid = (lo + hi) / 2;
        if (fits(measure(text.left(mid), out.font), width))
            lo = mid;
        else
            hi = mid;
    }
    // Never split a surrogate pair.
    if (lo > 0 && text.at(lo - 1).isHighSurrogate()) --lo;
    out.text = text.left(lo);
    return out;
}

FittedText fit(const QString &text, const PageFont &font, double width,
               const QPaintDevice *device) {
    const Measure measure = [device](const QString &t, const PageFont &f) {
        const QFont qf(f.toQFont(), device);
        return QFontMetricsF(qf, device).horizontalAdvance(t);
    };
    return fit(text, font, width, measure);
}

}  // namespace TextFit
