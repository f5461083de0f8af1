#pragma once

#include <QStringView>

#include "archive/ContactRecord.h"
#include "contactfiles/FingerprintSet.h"

class ArchiveStore;

// The contacts already in the archive, as the import's duplicate rule sees them: a contact
// is already present when it has the same Partita IVA as one of them, or the same name and
// the same town compared as the search compares them (blanks runs as one, capitals and
// small letters alike).
class DuplicateIndex {
public:
    // Every record of the archive, read in one pass; false when it cannot be read.
    bool load(ArchiveStore &store);
    // Whether `record` (as it reads back from the archive) was already there; it is there
    // afterwards.
    bool addOrFind(const ContactRecord &record);

    // A key as the comparison sees it, kept as a 64-bit fingerprint: eight bytes a
    // contact, whatever its length (that two different keys share one is a chance of about
    // one in 30 million for an archive and a file of a million contacts). Blanks around
    // the key go, runs of blanks count as one, capitals as small letters.
    static quint64 fingerprint(QStringView key, quint64 seed = kSeed);
    static constexpr quint64 kSeed = 1469598103934665603ULL;

private:
    // Zero for a contact without a Partita IVA.
    static quint64 vatFingerprint(const ContactRecord &record);
    static quint64 nameFingerprint(const ContactRecord &record);

    FingerprintSet m_vat;
    FingerprintSet m_names;
};
