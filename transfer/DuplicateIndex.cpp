#include "transfer/DuplicateIndex.h"

#include "archive/ArchiveStore.h"
#include "exchange/SearchKey.h"

QString DuplicateIndex::vatKey(const ContactRecord &record) {
    return SearchKey::normalizeKey(record.value(ContactRecord::Iva));
}

QString DuplicateIndex::nameKey(const ContactRecord &record) {
    return SearchKey::fold(SearchKey::normalizeKey(record.value(ContactRecord::Titolo))) + u'\x1f' +
           SearchKey::fold(SearchKey::normalizeKey(record.value(ContactRecord::Citta)));
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
    return (!vat.isEmpty() && m_vat.contains(vat)) || m_names.contains(nameKey(record));
}

void DuplicateIndex::add(const ContactRecord &record) {
    const QString vat = vatKey(record);
    if (!vat.isEmpty()) m_vat.insert(vat);
    m_names.insert(nameKey(record));
}
