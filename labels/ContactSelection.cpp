#include "labels/ContactSelection.h"

#include <algorithm>

#include "labels/LabelMessages.h"

ContactSelection ContactSelection::wholeArchive() {
    ContactSelection s;
    s.m_whole = true;
    return s;
}

ContactSelection ContactSelection::records(const QList<int> &numbers) {
    ContactSelection s;
    s.m_numbers = numbers;
    std::sort(s.m_numbers.begin(), s.m_numbers.end());
    s.m_numbers.erase(std::unique(s.m_numbers.begin(), s.m_numbers.end()), s.m_numbers.end());
    return s;
}

ContactSelection ContactSelection::searchResult(const QList<SearchHit> &hits) {
    QList<int> numbers;
    numbers.reserve(hits.size());
    for (const SearchHit &h : hits) numbers << h.listedNumber;
    return records(numbers);
}

QString ContactSelection::check(ArchiveStore &store) const {
    const int count = store.recordCount();
    if (count < 0)
        return QStringLiteral("Impossibile leggere l'archivio %1: %2")
            .arg(store.archivePath(), store.errorString());
    if (m_whole) return count == 0 ? QString::fromUtf8(ArchiveStore::kEmptyText) : QString();
    if (m_numbers.isEmpty()) return QString::fromUtf8(LabelMessages::kNothingSelectedText);
    for (int n : m_numbers)
        if (n < 1 || n > count) return QString::fromUtf8(LabelMessages::kMissingRecordText).arg(n);
    return QString();
}

bool ContactSelection::forEach(ArchiveStore &store, const Visitor &visit) const {
    if (m_whole) return store.forEachRecord(visit);
    if (m_numbers.isEmpty()) return true;
    // Only the selected records are decoded; the pass stops after the last of them.
    qsizetype next = 0;
    return store.forEachRawRecord([&](int n, const char *raw) {
        while (next < m_numbers.size() && m_numbers.at(next) < n) ++next;
        if (next >= m_numbers.size()) return false;
        if (m_numbers.at(next) != n) return true;
        ++next;
        return visit(n, ContactRecord::decode(raw)) && next < m_numbers.size();
    });
}
