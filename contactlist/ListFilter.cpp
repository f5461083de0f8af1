#include "contactlist/ListFilter.h"

#include <cstring>

#include "archive/Cp1252Codec.h"
#include "archive/SearchKey.h"
#include "contactlist/FilterText.h"

namespace {

bool contains(const char *hay, int size, const QByteArray &needle) {
    if (needle.size() > size) return false;
    return memmem(hay, size_t(size), needle.constData(), size_t(needle.size())) != nullptr;
}

}  // namespace

ListFilter::ListFilter(const QString &text) : m_text(SearchKey::normalizeKey(text)) {
    if (m_text.isEmpty()) return;
    for (const QString &w : m_text.split(u' ')) {
        const QString folded = SearchKey::fold(w);
        Word word;
        for (QChar c : folded) {
            const char e = Cp1252Codec::encodeChar(c);
            // A zero byte would reach across fields; a character outside the code page
            // is in no record.
            if (e == '\0' || Cp1252Codec::decodeByte(static_cast<unsigned char>(e)) != c)
                m_impossible = true;
            word.plain.append(e);
            if (!FilterText::isPhoneSeparator(e)) word.phone.append(e);
        }
        m_words.append(word);
    }
}

bool ListFilter::matches(const char *text, int firstPart, int size) const {
    if (m_impossible) return false;
    for (const Word &w : m_words) {
        if (contains(text, firstPart, w.plain)) continue;
        if (!w.phone.isEmpty() && contains(text + firstPart, size - firstPart, w.phone)) continue;
        return false;
    }
    return true;
}

bool ListFilter::matchesRecord(const char *raw) const {
    if (isEmpty()) return true;
    QByteArray text;
    const int firstPart = FilterText::append(raw, text);
    return matches(text.constData(), firstPart, int(text.size()));
}

bool ListFilter::narrows(const ListFilter &wider) const {
    if (wider.isEmpty()) return true;
    if (!m_text.startsWith(wider.m_text)) return false;
    // The last word grew. A word made of separators alone matched in the names only; grown,
    // it may match telephone digits instead.
    return !wider.m_words.last().phone.isEmpty() || m_text == wider.m_text;
}
