#pragma once

#include <QtGlobal>
#include <vector>

// A set of 64-bit fingerprints kept in one flat table (open addressing, linear probing):
// eight bytes a slot and no allocation per entry, so that a large import needs little
// memory for its duplicate keys.
class FingerprintSet {
public:
    // True when `key` was not there before.
    bool insert(quint64 key);
    bool contains(quint64 key) const;
    qsizetype size() const { return m_size; }
    void clear();

private:
    qsizetype slotOf(quint64 key) const;
    void grow();

    std::vector<quint64> m_slots;  // 0 marks a free slot
    qsizetype m_size = 0;
};
