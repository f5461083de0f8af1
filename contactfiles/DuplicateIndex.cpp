#include "contactfiles/DuplicateIndex.h"

#include "archive/ArchiveStore.h"
#include "archive/SearchKey.h"

quint64 DuplicateIndex::fingerprint(QStringView key, quint64 seed) {
    // FNV-1a over the UTF-16 code units of the key as the search compares it.
    qsizetype begin = 0;
    qsizetype end = key.size();
    while (begin < end && key[begin] == u' ') ++begin;
    while (end > begin && key[end - 1] == u' ') --end;
    quint64 h = seed;
    bool blank = false;
    for (qsizetype i = begin; i < end; ++i) {
        const QChar c = key[i];
        if (c == u' ' && blank) continue;
        blank = c == u' ';
        const char16_t u = c.unicode() < 0x80 ? char16_t(c.unicode() >= u'A' && c.unicode() <= u'Z'
                                                             ? c.unicode() + 32
                                                             : c.unicode())
                                              : SearchKey::foldChar(c).unicode();
        h ^= u;
        h *= 1099511628211ULL;
    }
    return h;
}

quint64 DuplicateIndex::vatFingerprint(const ContactRecord &record) {
    const QString &vat = record.value(ContactRecord::Iva);
    for (QChar c : vat)
        if (c != u' ') return fingerprint(vat);
    return 0;
}

quint64 DuplicateIndex::nameFingerprint(const ContactRecord &record) {
    // The name, a separator no key holds, the town.
    quint64 h = fingerprint(record.value(ContactRecord::Titolo));
    h ^= 0x1f;
    h *= 1099511628211ULL;
    return fingerprint(record.value(ContactRecord::Citta), h);
}

bool DuplicateIndex::load(ArchiveStore &store) {
    m_vat.clear();
    m_names.clear();
    if (store.recordCount() < 0) return false;
    return store.forEachRecord([this](int, const ContactRecord &r) {
        addOrFind(r);
        return true;
    });
}

bool DuplicateIndex::addOrFind(const ContactRecord &record) {
    const quint64 vat = vatFingerprint(record);
    const bool vatSeen = vat != 0 && !m_vat.insert(vat);
    const bool nameSeen = !m_names.insert(nameFingerprint(record));
    return vatSeen || nameSeen;
}
