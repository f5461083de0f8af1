#pragma once

#include <QByteArray>
#include <QString>

// The encodings a contacts file comes in: UTF-8 (with or without its byte-order mark),
// Windows-1252, or UTF-16 in either byte order, with or without its byte-order mark. A
// file that is valid UTF-8 throughout is UTF-8. The readers read UTF-8 and Windows-1252;
// a UTF-16 file is turned into UTF-8 before it is read (toUtf8()).
class TextEncoding {
public:
    enum Kind { Utf8, Windows1252, Utf16Le, Utf16Be };

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
    // UTF-8 or Windows-1252, whichever `bytes` are.
    static Kind kindOf(const QByteArray &bytes);
    // UTF-16 told by its byte-order mark or, without one, by the zero bytes of the first
    // characters (text in a Latin script has a zero in every other byte); Utf8 when the
    // start of the file is no UTF-16.
    static Kind utf16Of(const QByteArray &head);
    // UTF-16 text as UTF-8, its byte-order mark dropped.
    static QByteArray toUtf8(const QByteArray &utf16, Kind kind);
    // "UTF-8", "Windows-1252", "UTF-16 LE", "UTF-16 BE".
    static QString name(Kind kind);

private:
    bool m_valid = true;
    bool m_nul = false;
    int m_pending = 0;  // continuation bytes still expected
    unsigned m_codePoint = 0;
    int m_sequenceLength = 0;
};
