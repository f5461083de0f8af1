#pragma once

#include <QList>
#include <QString>
#include <functional>

#include "archive/ArchiveStore.h"
#include "archive/ContactRecord.h"
#include "archive/ContactSearch.h"

// The contacts a series of labels or envelopes is printed for: the whole archive, the
// records of a search result, or records named by number. They are always visited in
// archive order, each once, reading the archive in large blocks.
class ContactSelection {
public:
    static ContactSelection wholeArchive();
    // Numbers from 1; duplicates count once.
    static ContactSelection records(const QList<int> &numbers);
    // The records that matched, as listed.
    static ContactSelection searchResult(const QList<SearchHit> &hits);

    bool isWholeArchive() const { return m_whole; }
    // Sorted, without duplicates (empty for the whole archive).
    const QList<int> &numbers() const { return m_numbers; }

    // Checks the selection against the archive: an empty text when it can be printed,
    // else the program's message (archive unreadable, a number past the last record,
    // nothing selected).
    QString check(ArchiveStore &store) const;

    using Visitor = std::function<bool(int number, const ContactRecord &record)>;
    // Visits every selected record in archive order (the visitor returns false to stop);
    // false when the archive could not be read.
    bool forEach(ArchiveStore &store, const Visitor &visit) const;

private:
    bool m_whole = false;
    QList<int> m_numbers;
};
