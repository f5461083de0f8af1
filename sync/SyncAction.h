#pragma once

#include "archive/ContactRecord.h"

// One step of a sync: what happens to one contact on one side.
struct SyncAction {
    enum Kind {
        PushNew,     // the archive's contact becomes a new card
        PushUpdate,  // the card gets the archive's changes
        PushDelete,  // the card goes
        PullNew,     // the card becomes a new record
        PullUpdate,  // the record gets the card's changes
        PullDelete,  // the record goes
        Link,        // both sides hold the same contact: only the state is written
        Forget,      // gone from both sides: the state entry goes
        Conflict     // changed on both sides: left as it is until the user chooses
    };
    Kind kind = Link;
    int entry = -1;        // the state entry, -1 for none
    int record = -1;       // the archive record (0-based), -1 for none
    int card = -1;         // the server card (index into the input's cards), -1 for none
    ContactRecord local;   // the archive's version, when there is one
    ContactRecord server;  // the server's version, when there is one
};
