#pragma once

#include <QPoint>
#include <QRect>
#include <cmath>

// Form coordinates: 15 twips to a screen pixel (96 dots per inch).
class Twips {
public:
    static constexpr int kPerPixel = 15;
    static int toPx(double twips) { return int(std::lround(twips / kPerPixel)); }
    static int fromPx(int px) { return px * kPerPixel; }
    static QPoint point(double x, double y) { return QPoint(toPx(x), toPx(y)); }
    static QRect rect(double x, double y, double w, double h) {
        return QRect(toPx(x), toPx(y), toPx(w), toPx(h));
    }
};
