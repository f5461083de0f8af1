#include "cards/QrSymbol.h"

#include <qrencode.h>

#include <QPainter>
#include <memory>

std::optional<QrSymbol> QrSymbol::encode(const QByteArray &data, Level level) {
    if (data.isEmpty() || data.contains('\0')) return std::nullopt;
    static constexpr QRecLevel kLevels[] = {QR_ECLEVEL_L, QR_ECLEVEL_M, QR_ECLEVEL_Q, QR_ECLEVEL_H};
    const std::unique_ptr<QRcode, decltype(&QRcode_free)> code(
        QRcode_encodeString(data.constData(), 0, kLevels[int(level)], QR_MODE_8, 1), &QRcode_free);
    if (!code) return std::nullopt;
    QrSymbol s;
    s.m_width = code->width;
    s.m_version = code->version;
    s.m_level = level;
    s.m_modules.resize(qsizetype(code->width) * code->width);
    for (qsizetype i = 0; i < s.m_modules.size(); ++i)
        s.m_modules[i] = char(code->data[i] & 1);  // bit 0: dark
    return s;
}

QImage QrSymbol::image(int quiet, int pixels) const {
    const int side = (m_width + 2 * quiet) * pixels;
    QImage out(side, side, QImage::Format_RGB32);
    out.fill(Qt::white);
    QPainter p(&out);
    for (int y = 0; y < m_width; ++y)
        for (int x = 0; x < m_width; ++x)
            if (dark(x, y))
                p.fillRect((quiet + x) * pixels, (quiet + y) * pixels, pixels, pixels, Qt::black);
    p.end();
    return out;
}
