#include "archive/SearchKey.h"

#include <QStringList>
#include <array>

#include "archive/ContactRecord.h"

namespace {

// The lower-case letter without its accents: the first character of the canonical
// decomposition, taken again until it decomposes no further ("À" → "a", "Ǖ" → "u").
// Only the Latin, Greek and Cyrillic letters are stripped; everything else is only
// turned to lower case.
QChar computeFold(QChar c) {
    QChar lower = c.toLower();
    const char16_t u = lower.unicode();
    const bool stripped = u < 0x0530 || (u >= 0x1E00 && u <= 0x1FFF);
    if (!stripped || !lower.isLetter()) return lower;
    while (lower.decompositionTag() == QChar::Canonical) {
        const QString parts = lower.decomposition();
        if (parts.isEmpty() || parts.at(0).isSurrogate()) break;
        lower = parts.at(0);
    }
    return lower;
}

}  // namespace

QString SearchKey::normalizeKey(const QString &text) {
    const QString trimmed = ContactRecord::trimBlanks(text);
    QString out;
    out.reserve(trimmed.size());
    for (QChar c : trimmed) {
        if (c == u' ' && !out.isEmpty() && out.back() == u' ') continue;
        out.append(c);
    }
    return out;
}

int SearchKey::countWords(const QString &text) {
    return int(normalizeKey(text).count(u' ')) + 1;
}

QString SearchKey::getWord(const QString &text, int n) {
    const QString s = normalizeKey(text);
    const int c = int(s.count(u' ')) + 1;
    if (n < 1 || n > c) return QString();
    return s.section(u' ', n - 1, n - 1);
}

QChar SearchKey::foldChar(QChar c) {
    // The first block of characters comes from a table made once.
    static const std::array<char16_t, 0x0530> table = [] {
        std::array<char16_t, 0x0530> t{};
        for (char16_t u = 0; u < t.size(); ++u) t[u] = computeFold(QChar(u)).unicode();
        return t;
    }();
    const char16_t u = c.unicode();
    if (u < table.size()) return QChar(table[u]);
    if (c.isSurrogate()) return c;
    return computeFold(c);
}

QString SearchKey::fold(const QString &text) {
    QString out = text;
    for (QChar &c : out) c = foldChar(c);
    return out;
}

bool SearchKey::wordsExist(const QString &text, const QString &key, bool matchCase) {
    const QString s = normalizeKey(key);
    const QString haystack = matchCase ? text : fold(text);
    const QStringList words = s.split(u' ');
    for (const QString &w : words) {
        if (w.isEmpty()) continue;
        if (!haystack.contains(matchCase ? w : fold(w))) return false;
    }
    return true;
}
