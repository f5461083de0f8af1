#include "archive/Cp1252Codec.h"

#include <array>

namespace {

// Unicode code points of the bytes 0x80 to 0x9F; 0 marks the undefined ones, which
// stand for the C1 control of the same value.
constexpr std::array<char16_t, 32> kHighTable = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

}  // namespace

QChar Cp1252Codec::decodeByte(unsigned char byte) {
    if (byte >= 0x80 && byte <= 0x9F) {
        char16_t u = kHighTable[byte - 0x80];
        return QChar(u ? u : char16_t(byte));
    }
    return QChar(char16_t(byte));
}

char Cp1252Codec::encodeChar(QChar ch) {
    const char16_t u = ch.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) return char(u);
    for (int i = 0; i < 32; ++i) {
        const char16_t mapped = kHighTable[i];
        if (mapped == u || (mapped == 0 && u == 0x80 + i)) return char(0x80 + i);
    }
    return '?';
}

QByteArray Cp1252Codec::encode(const QString &text) {
    QByteArray out(text.size(), Qt::Uninitialized);
    char *dst = out.data();
    const QChar *src = text.constData();
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t u = src[i].unicode();
        if (u < 0x80) {
            *dst++ = char(u);
            continue;
        }
        // A character outside the basic plane is one "?", not two.
        const QChar ch = src[i];
        if (ch.isHighSurrogate() && i + 1 < n && src[i + 1].isLowSurrogate()) ++i;
        *dst++ = encodeChar(ch);
    }
    out.truncate(dst - out.constData());
    return out;
}

QString Cp1252Codec::decode(const char *data, qsizetype size) {
    if (size <= 0) return QString();
    // Latin-1 agrees with the code page everywhere but 0x80 to 0x9F.
    QString out = QString::fromLatin1(data, size);
    for (qsizetype i = 0; i < size; ++i) {
        const auto byte = static_cast<unsigned char>(data[i]);
        if (byte >= 0x80 && byte <= 0x9F) out[i] = decodeByte(byte);
    }
    return out;
}
