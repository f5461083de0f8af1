#pragma once

#include <QList>
#include <QString>

#include "archive/ArchiveStore.h"
#include "archive/ContactRecord.h"

// One line of the search list and the record it stands for. `number` is the lowest
// record number in the whole archive whose line reads the same (the record the hand-off
// must load); `listedNumber` is the record that matched and put the line in the list.
struct SearchHit {
    QString line;
    int number = 0;
    int listedNumber = 0;
};

// The contact search: one pass over the archive in large blocks, in file order, keeping
// every record whose criterion field contains all the words of the key.
class ContactSearch {
public:
    struct Result {
        QList<SearchHit> hits;
        bool readOk = true;  // false when the archive could not be read (fewer lines)
    };

    // A missing archive is created empty and gives no hit.
    static Result run(ArchiveStore &store, ContactRecord::Field field, const QString &key);

    // "Trovati N contatti".
    static QString countCaption(int count);

    // The record the hand-off loads for a chosen hit: `hit.number` when that record still
    // gives the same line; otherwise the first record in one pass whose line equals the
    // hit's; 0 when none does (the archive was changed from outside meanwhile).
    static int recordForHit(ArchiveStore &store, const SearchHit &hit, ContactRecord &record);
};
