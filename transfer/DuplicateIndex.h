#pragma once

#include <QString>
#include <unordered_set>

#include "archive/ContactRecord.h"

class ArchiveStore;

// The contacts already in the archive, as the import's duplicate rule sees them: a contact
// is already present when it has the same Partita IVA as one of them, or the same name and
// the same town compared as the search compares them (blanks runs as one, capitals and
// small letters alike).
class DuplicateIndex {
public:
    // Every record of the archive, read in one pass; false when it cannot be read.
    bool load(ArchiveStore &store);
    // `record` as it reads back from the archive.
    bool contains(const ContactRecord &record) const;
    void add(const ContactRecord &record);

    static QString vatKey(const ContactRecord &record);
    static QString nameKey(const ContactRecord &record);

    // The 64-bit fingerprint a key is kept as: eight bytes a contact, whatever its length
    // (that two different keys share one is a chance of about one in 30 million for an
    // archive and a file of a million contacts).
    static quint64 fingerprint(const QString &key);

private:
    std::unordered_set<quint64> m_vat;
    std::unordered_set<quint64> m_names;
};
