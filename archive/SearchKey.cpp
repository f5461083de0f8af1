#include "archive/SearchKey.h"

#include <QStringList>

#include "archive/ContactRecord.h"

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

QString SearchKey::fold(const QString &text) {
    QString out = text;
    for (QChar &c : out) c = c.toLower();
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
