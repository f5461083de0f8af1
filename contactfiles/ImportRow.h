#pragma once

#include <QString>

#include "archive/ContactRecord.h"

// One contact of a file being imported, as the preview lists it.
struct ImportRow {
    enum class Status { New, AlreadyPresent, ToCheck };

    Status status = Status::New;
    ContactRecord record;  // as it will be written (cut to the widths)
    QString note;          // why it is to be checked, or what it duplicates

    // "nuovo", "già presente", "da controllare".
    static QString statusText(Status status);

    // Why a record would not be written as given: a value longer than its field, or a
    // character the archive cannot hold; empty when it would.
    static QString problems(const ContactRecord &record);
    // Whether the archive gives `record` back exactly as it is: no blanks around a value,
    // every value within its width, every character one that reads back the same (a
    // quick test; false does not mean there is a problem).
    static bool readsBackAsIs(const ContactRecord &record);
};
