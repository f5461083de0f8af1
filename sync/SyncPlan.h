#pragma once

#include <QList>
#include <QString>

#include "sync/SyncAction.h"
#include "sync/SyncInput.h"

// What a sync does, worked out from both sides and the state of the last sync, before
// anything is written (a pure function of its input).
//
// Each archive record is tied to a state entry first by fingerprint (the contact as last
// synced: unchanged), then by the import's duplicate rule (same Partita IVA, or same name
// and town: changed); entries left over were deleted in the archive, records left over
// are new. The archive's new contacts and the server's new cards are matched by the same
// rule, so a first sync, a lost state file or a restored backup links contacts present on
// both sides instead of doubling them. Then, per contact:
//
//   archive \ server   unchanged      changed          gone
//   unchanged          -              PullUpdate       PullDelete
//   changed            PushUpdate     Conflict         PushNew (the change wins)
//   deleted            PushDelete     PullNew (wins)   Forget
//
// and two changes that agree are a Link. Deleting more than kMaxDeletions contacts, or
// more than a fifth of either side, or reading an empty full listing when the state knew
// contacts, needs the user's yes (`needsConfirmation`).
class SyncPlan {
public:
    static constexpr int kMaxDeletions = 10;

    enum class Prefer { Ask, Local, Server };
    enum class Choice { Leave, Local, Server, Both };

    // Archive records to state entries, as above.
    struct Pairing {
        QList<int> recordEntry;  // per record: its entry, -1 for a new record
        QList<int> entryRecord;  // per entry: its record, -1 for a deleted one
        QList<bool> changed;     // per entry: the record differs from the last sync
    };
    static Pairing pair(const QList<SyncEntry> &entries, const QList<ContactRecord> &archive);

    static SyncPlan build(const SyncInput &input, const Pairing &pairing);

    // The conflict at `index` settled by `choice`: its actions replace it.
    void resolve(int index, Choice choice);

    QList<SyncAction> actions;
    bool needsConfirmation = false;
    QString confirmation;  // what needs a yes, in the user's words (without the question)

    int count(SyncAction::Kind kind) const;
};
