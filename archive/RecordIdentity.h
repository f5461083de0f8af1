#pragma once

#include <QList>
#include <cstring>

#include "archive/ContactRecord.h"

// Which contact a list showed at a record number: the number and a fingerprint of the
// record's 1136 bytes as they were read. A change acting on the contact checks first that
// the archive still holds those bytes at that number; record numbers are no identities
// (a deletion moves every record behind it), the pair is.
struct RecordIdentity {
    int number = 0;
    size_t fingerprint = 0;

    // The fingerprint of a record's raw bytes (kRecordLength of them at `raw`): two
    // multiply-and-fold chains over its 8-byte words, so that a whole archive is printed
    // at the speed it is read.
    static size_t of(const char *raw) {
        static_assert(ContactRecord::kRecordLength % 16 == 0);
        quint64 a = 0x9E3779B97F4A7C15ULL, b = 0xC2B2AE3D27D4EB4FULL;
        for (int i = 0; i < ContactRecord::kRecordLength; i += 16) {
            quint64 x, y;
            std::memcpy(&x, raw + i, 8);
            std::memcpy(&y, raw + i + 8, 8);
            a = (a ^ x) * 0xFF51AFD7ED558CCDULL;
            b = (b ^ y) * 0xC4CEB9FE1A85EC53ULL;
            a ^= a >> 29;
            b ^= b >> 31;
        }
        const quint64 h = (a ^ (b * 0x9E3779B97F4A7C15ULL));
        return size_t(h ^ (h >> 32));
    }
    bool operator==(const RecordIdentity &other) const = default;
};
