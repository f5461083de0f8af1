#include "transfer/DuplicateIndex.h"

#include "archive/ArchiveStore.h"
#include "archive/SearchKey.h"

QString DuplicateIndex::vatKey(const ContactRecord &record) {
    return SearchKey::normalizeKey(record.value(ContactRecord::Iva));
}

QString DuplicateIndex::nameKey(const ContactRecord &record) {
    return SearchKey::fold(SearchKey::normalizeKey(record.value(ContactRecord::Titolo))) + u'\x1f' +
           SearchKey::fold(SearchKey::normalizeKey(record.value(ContactRecord::Citta)));
}

quint64 DuplicateIndex::fingerprint(const QString &key) {
    // FNV-1a over the UTF-16 code units.
    quint64 h = 1469598103934665603ULL;
    for (QChar c : key) {
        h ^= c.unicode();
        h *= 1099511628211ULL;
    }
    return h;
}

bool DuplicateIndex::load(ArchiveStore &store) {
    m_vat.clear();
    m_names.clear();
    if (store.recordCount() < 0) return false;
    return store.forEachRecord([this](int, const ContactRecord &r) {
        add(r);
        return true;
    });
}

bool DuplicateIndex::contains(const ContactRecord &record) const {
    const QString vat = vatKey(record);
    return (!vat.isEmpty() && m_vat.count(fingerprint(vat)) > 0) ||
           m_names.count(fingerprint(nameKey(record))) > 0;
}

void DuplicateIndex::add(const ContactRecord &record) {
    const QString vat = vatKey(record);
    if (!vat.isEmpty()) m_vat.insert(fingerprint(vat));
    m_names.insert(fingerprint(nameKey(record)));
}
