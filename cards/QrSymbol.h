#pragma once

#include <QByteArray>
#include <QImage>
#include <optional>

// A QR code symbol made by libqrencode: its modules, dark or light, in a square of
// width() × width(). The text goes in byte mode, split where numbers and capitals make
// it shorter; the smallest version that holds it is chosen.
class QrSymbol {
public:
    // The error correction levels, lowest first.
    enum class Level { L, M, Q, H };

    // The symbol of `data` at `level`; nothing when the data is too long for any
    // version at that level (or has a NUL byte).
    static std::optional<QrSymbol> encode(const QByteArray &data, Level level);

    int width() const { return m_width; }
    int version() const { return m_version; }
    Level level() const { return m_level; }
    bool dark(int x, int y) const { return m_modules.at(y * m_width + x) != 0; }

    // The symbol drawn black on white with `quiet` light modules around it, each
    // module `pixels` × `pixels` dots.
    QImage image(int quiet, int pixels) const;

private:
    int m_width = 0;
    int m_version = 0;
    Level m_level = Level::L;
    QByteArray m_modules;
};
