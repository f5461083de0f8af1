#pragma once

#include <QPoint>
#include <QRect>
#include <cmath>
#include <compare>

// A length in twips, the printing's own unit: 1440 to the inch, 20 to the point, and 15
// to a screen pixel of the windows (96 dots per inch). Made from any other unit, read
// back in any of them.
class Twips {
public:
    static constexpr double kPerInch = 1440;
    static constexpr double kPerPoint = 20;
    static constexpr double kPerMm = kPerInch / 25.4;
    static constexpr double kPerCm = kPerInch / 2.54;
    static constexpr int kPerScreenPixel = 15;

    constexpr Twips() = default;
    constexpr explicit Twips(double twips) : m_twips(twips) {}

    static constexpr Twips fromInches(double inches) { return Twips(inches * kPerInch); }
    static constexpr Twips fromMm(double mm) { return Twips(mm * kPerMm); }
    static constexpr Twips fromCm(double cm) { return Twips(cm * kPerCm); }
    static constexpr Twips fromPoints(double points) { return Twips(points * kPerPoint); }
    // `dots` picture or printer dots at `dpi` dots per inch.
    static constexpr Twips fromDots(double dots, double dpi) {
        return Twips(dots * kPerInch / dpi);
    }
    static constexpr Twips fromScreenPixels(int pixels) { return Twips(pixels * kPerScreenPixel); }

    constexpr double value() const { return m_twips; }
    constexpr double inches() const { return m_twips / kPerInch; }
    constexpr double mm() const { return m_twips / kPerMm; }
    constexpr double cm() const { return m_twips / kPerCm; }
    constexpr double points() const { return m_twips / kPerPoint; }
    // The length in dots at `dpi` dots per inch.
    constexpr double dots(double dpi) const { return m_twips * dpi / kPerInch; }
    // Dots at `dpi` dots per inch in one twip: the scale from twips to such a device.
    static constexpr double dotsPerTwip(double dpi) { return dpi / kPerInch; }
    // The nearest whole screen pixel.
    int screenPixels() const { return int(std::lround(m_twips / kPerScreenPixel)); }

    constexpr Twips operator+(Twips o) const { return Twips(m_twips + o.m_twips); }
    constexpr Twips operator-(Twips o) const { return Twips(m_twips - o.m_twips); }
    constexpr Twips operator-() const { return Twips(-m_twips); }
    constexpr Twips operator*(double k) const { return Twips(m_twips * k); }
    constexpr Twips operator/(double k) const { return Twips(m_twips / k); }
    constexpr double operator/(Twips o) const { return m_twips / o.m_twips; }
    constexpr Twips &operator+=(Twips o) {
        m_twips += o.m_twips;
        return *this;
    }
    constexpr Twips &operator-=(Twips o) {
        m_twips -= o.m_twips;
        return *this;
    }
    constexpr auto operator<=>(const Twips &) const = default;

    // Window geometry given in twips, in whole screen pixels.
    static QPoint screenPoint(double x, double y) {
        return QPoint(Twips(x).screenPixels(), Twips(y).screenPixels());
    }
    static QRect screenRect(double x, double y, double w, double h) {
        return QRect(Twips(x).screenPixels(), Twips(y).screenPixels(), Twips(w).screenPixels(),
                     Twips(h).screenPixels());
    }

private:
    double m_twips = 0;
};

constexpr Twips operator*(double k, Twips t) {
    return t * k;
}
