#pragma once

#include <QByteArray>
#include <QString>

// Windows-1252, the code page of the archive and of settings files written on Windows.
// Every character maps to exactly one byte: one the code page cannot hold becomes "?".
// The five bytes that the code page leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D)
// decode to the C1 control of the same value and encode back to the same byte.
class Cp1252Codec {
public:
    static QByteArray encode(const QString &text);
    static QString decode(const char *data, qsizetype size);
    static QString decode(const QByteArray &bytes) {
        return decode(bytes.constData(), bytes.size());
    }
    static char encodeChar(QChar ch);
    static QChar decodeByte(unsigned char byte);
};
