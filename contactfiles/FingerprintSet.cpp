#include "contactfiles/FingerprintSet.h"

namespace {

// Zero marks a free slot: the one key that hashes to it is kept as another value.
quint64 stored(quint64 key) {
    return key == 0 ? 0x9E3779B97F4A7C15ULL : key;
}

}  // namespace

qsizetype FingerprintSet::slotOf(quint64 key) const {
    // Fingerprints are well mixed already; the top bits pick the first slot.
    const std::size_t mask = m_slots.size() - 1;
    std::size_t i = std::size_t(key * 0x9E3779B97F4A7C15ULL >> 20) & mask;
    while (m_slots[i] != 0 && m_slots[i] != key) i = (i + 1) & mask;
    return qsizetype(i);
}

bool FingerprintSet::contains(quint64 key) const {
    if (m_slots.empty()) return false;
    key = stored(key);
    return m_slots[std::size_t(slotOf(key))] == key;
}

bool FingerprintSet::insert(quint64 key) {
    // At most three quarters full, so that a probe ends soon.
    if ((m_size + 1) * 4 > qsizetype(m_slots.size()) * 3) grow();
    key = stored(key);
    quint64 &slot = m_slots[std::size_t(slotOf(key))];
    if (slot == key) return false;
    slot = key;
    ++m_size;
    return true;
}

void FingerprintSet::grow() {
    std::vector<quint64> old;
    old.swap(m_slots);
    m_slots.assign(old.empty() ? 1024 : old.size() * 2, 0);
    for (quint64 key : old)
        if (key != 0) m_slots[std::size_t(slotOf(key))] = key;
}

void FingerprintSet::clear() {
    m_slots.clear();
    m_size = 0;
}
