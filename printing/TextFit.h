#pragma once

#include <QString>
#include <functional>

#include "printing/PageFont.h"

class QPaintDevice;

// How a text is drawn in a box of a given width: in its own font when it fits; else in
// the largest size, down to 70 % of its own, at which it fits; else at 70 % and cut at
// the box's edge (the start of the text is kept).
struct FittedText {
    QString text;   // what is drawn: the whole text, or its start when cut
    PageFont font;  // the font it is drawn in (only the size differs from the given one)
    bool shrunk = false;
    bool cut = false;
};

namespace TextFit {

// The smallest size a text is shrunk to, as a share of its own size.
inline constexpr double kSmallestShare = 0.7;
// Sizes are tried in steps of this many points.
inline constexpr double kSizeStep = 0.05;

// Width of a text in a font, in the same unit as the box width given to fit().
using Measure = std::function<double(const QString &text, const PageFont &font)>;

FittedText fit(const QString &text, const PageFont &font, double width, const Measure &measure);
// Measured with QFontMetricsF on the device's own resolution; `width` in device pixels.
FittedText fit(const QString &text, const PageFont &font, double width, const QPaintDevice *device);

}  // namespace TextFit
