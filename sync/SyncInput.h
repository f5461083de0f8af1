#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include "archive/ContactRecord.h"
#include "sync/SyncEntry.h"

// Both sides as a sync finds them, ready for the plan.
struct SyncInput {
    struct Card {
        QString href;
        QByteArray etag;
        ContactRecord record;  // as CardRecord maps it
        int entry = -1;        // the state entry of this card, -1 for a card the state lacks
    };
    enum class Remote { Unchanged, Changed, Gone };

    QList<SyncEntry> entries;      // the state of the last sync
    QList<ContactRecord> archive;  // every record, in order
    QList<Remote> remote;          // per entry: the server's side of it
    QList<Card> cards;             // every card fetched (changed, new, or needed to merge)
    bool fullListing = false;      // the server listed every card (not just changes)
    int serverCount = 0;           // cards on the server, as far as known
};
