#pragma once

#include <QSet>
#include <QString>

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

private:
    QSet<QString> m_vat;
    QSet<QString> m_names;
};
