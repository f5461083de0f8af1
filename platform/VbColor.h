#pragma once

#include <QColor>
#include <cstdint>

// Colours as the program stores them: a signed 32-bit whole number holding 0x00BBGGRR,
// red in the low byte ("255" is pure red, "0" black).
class VbColor {
public:
    static QColor toColor(qint32 value) {
        return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
    }
    static qint32 fromColor(const QColor &c) {
        return qint32(c.red() | (c.green() << 8) | (c.blue() << 16));
    }
};
