#include "archive/KeyMatcher.h"

#include <array>
#include <cstring>

#include "archive/Cp1252Codec.h"
#include "archive/SearchKey.h"

namespace {

// Byte → folded byte (lower case, no accent), built from the code page so that it folds
// exactly as SearchKey::foldChar folds the decoded character (when the result stays in
// the code page).
const std::array<unsigned char, 256> &foldTable() {
    static const std::array<unsigned char, 256> table = [] {
        std::array<unsigned char, 256> t{};
        for (int b = 0; b < 256; ++b) {
            const QChar c = Cp1252Codec::decodeByte(static_cast<unsigned char>(b));
            const QChar lower = SearchKey::foldChar(c);
            const char e = Cp1252Codec::encodeChar(lower);
            const bool roundTrips = Cp1252Codec::decodeByte(static_cast<unsigned char>(e)) == lower;
            t[b] = roundTrips ? static_cast<unsigned char>(e) : static_cast<unsigned char>(b);
        }
        return t;
    }();
    return table;
}

}  // namespace

const unsigned char *KeyMatcher::foldTable() {
    return ::foldTable().data();
}

unsigned char KeyMatcher::foldByte(unsigned char byte) {
    return foldTable()[byte];
}

KeyMatcher::KeyMatcher(const QString &key) {
    const QStringList words = SearchKey::normalizeKey(key).split(u' ');
    for (const QString &w : words) {
        if (w.isEmpty()) continue;
        const QString folded = SearchKey::fold(w);
        QByteArray bytes(folded.size(), Qt::Uninitialized);
        for (qsizetype i = 0; i < folded.size(); ++i) {
            const char e = Cp1252Codec::encodeChar(folded.at(i));
            if (Cp1252Codec::decodeByte(static_cast<unsigned char>(e)) != folded.at(i))
                m_impossible = true;
            bytes[i] = e;
        }
        m_words.append(bytes);
    }
}

bool KeyMatcher::matches(const char *field, int size) const {
    if (m_impossible) return false;
    if (m_words.isEmpty()) return true;
    const auto &table = foldTable();
    unsigned char folded[256];
    const int n = size < int(sizeof folded) ? size : int(sizeof folded);
    for (int i = 0; i < n; ++i) folded[i] = table[static_cast<unsigned char>(field[i])];
    for (const QByteArray &w : m_words) {
        if (w.size() > n) return false;
        if (!memmem(folded, size_t(n), w.constData(), size_t(w.size()))) return false;
    }
    return true;
}
