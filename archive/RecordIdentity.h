#pragma once

#include <QHashFunctions>
#include <QList>

#include "archive/ContactRecord.h"

// Which contact a list showed at a record number: the number and a fingerprint of the
// record's 1136 bytes as they were read. A change acting on the contact checks first that
// the archive still holds those bytes at that number; record numbers are no identities
// (a deletion moves every record behind it), the pair is.
struct RecordIdentity {
    int number = 0;
    size_t fingerprint = 0;

    // The fingerprint of a record's raw bytes (kRecordLength of them at `raw`).
    static size_t of(const char *raw) {
        return qHashBits(raw, size_t(ContactRecord::kRecordLength), 0);
    }
    bool operator==(const RecordIdentity &other) const = default;
};
