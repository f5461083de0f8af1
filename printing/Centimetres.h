#pragma once

#include <compare>

#include "printing/Twips.h"

// A length in centimetres: the unit of the envelope's layout and margins.
class Centimetres {
public:
    constexpr Centimetres() = default;
    constexpr explicit Centimetres(double cm) : m_cm(cm) {}
    constexpr explicit Centimetres(Twips t) : m_cm(t.cm()) {}

    constexpr double value() const { return m_cm; }
    constexpr Twips twips() const { return Twips::fromCm(m_cm); }

    constexpr Centimetres operator+(Centimetres o) const { return Centimetres(m_cm + o.m_cm); }
    constexpr Centimetres operator-(Centimetres o) const { return Centimetres(m_cm - o.m_cm); }
    constexpr Centimetres operator*(double k) const { return Centimetres(m_cm * k); }
    constexpr auto operator<=>(const Centimetres &) const = default;

private:
    double m_cm = 0;
};
