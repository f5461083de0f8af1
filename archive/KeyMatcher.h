#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// A search key prepared once for a whole scan: its words in Windows-1252 bytes, folded
// to lower case without accents, matched against the raw bytes of a record field without decoding
// it. It gives the same answer as SearchKey::wordsExist with the match-case flag false.
class KeyMatcher {
public:
    explicit KeyMatcher(const QString &key);

    // True when every word of the key occurs in the `size` bytes at `field`.
    bool matches(const char *field, int size) const;
    // True when some word holds a character the archive cannot hold: nothing matches.
    bool impossible() const { return m_impossible; }

    // The folded byte of a Windows-1252 byte (the same folding as SearchKey::fold).
    static unsigned char foldByte(unsigned char byte);
    // The 256 folded bytes, indexed by byte (for loops over many bytes).
    static const unsigned char *foldTable();

private:
    QList<QByteArray> m_words;  // folded, non-empty
    bool m_impossible = false;
};
