#pragma once

#include "archive/ArchiveStore.h"
#include "archive/ContactRecord.h"

// The contact a command names by its number, read for the terminal front end with the
// same messages in every command.
class CliRecord {
public:
    // How an empty archive is reported: as any missing record, or with the browsing
    // windows' "no contact" message (for the printing commands, which browse).
    enum class Empty { NotPresent, EmptyArchive };

    // Reads record `n` (1-based) into `record`: 0, or the message printed and 1.
    static int read(ArchiveStore &store, int n, ContactRecord &record,
                    Empty empty = Empty::NotPresent);

    // The archive could not be read: the message printed, 1.
    static int unreadable(const ArchiveStore &store);
};
