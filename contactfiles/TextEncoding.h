#pragma once

#include <QByteArray>
#include <QString>

// The two encodings a contacts file comes in: UTF-8 (with or without its byte-order mark)
// or Windows-1252. A file that is valid UTF-8 throughout is UTF-8.
class TextEncoding {
public:
    enum Kind { Utf8, Windows1252 };

    // Feeds the file block by block; then kind() says which it is.
    void scan(const char *data, qsizetype size);
    void finish();
    Kind kind() const { return m_valid ? Utf8 : Windows1252; }
    bool sawNul() const { return m_nul; }

    static QString decode(const char *data, qsizetype size, Kind kind);
    static QString decode(const QByteArray &bytes, Kind kind) {
        return decode(bytes.constData(), bytes.size(), kind);
    }
    // The three bytes of the UTF-8 byte-order mark.
    static bool startsWithBom(const QByteArray &bytes);

private:
    bool m_valid = true;
    bool m_nul = false;
    int m_pending = 0;  // continuation bytes still expected
    unsigned m_codePoint = 0;
    int m_sequenceLength = 0;
};
