#include "sync/SyncPlan.h"

#include <QHash>

#include "contactfiles/DuplicateIndex.h"
#include "sync/CardRecord.h"

namespace {

// The duplicate rule between two records.
bool sameContact(const ContactRecord &a, const ContactRecord &b) {
    const quint64 vat = DuplicateIndex::vatFingerprint(a);
    if (vat != 0 && vat == DuplicateIndex::vatFingerprint(b)) return true;
    return DuplicateIndex::nameFingerprint(a) == DuplicateIndex::nameFingerprint(b);
}

}  // namespace

SyncPlan::Pairing SyncPlan::pair(const QList<SyncEntry> &entries,
                                 const QList<ContactRecord> &archive) {
    Pairing p;
    p.recordEntry.fill(-1, archive.size());
    p.entryRecord.fill(-1, entries.size());
    p.changed.fill(false, entries.size());

    QMultiHash<QByteArray, int> byFingerprint;
    for (int e = entries.size() - 1; e >= 0; --e) byFingerprint.insert(entries[e].fingerprint, e);
    QList<QByteArray> fingerprints(archive.size());
    for (int r = 0; r < archive.size(); ++r) {
        fingerprints[r] = CardRecord::fingerprint(archive[r]);
        auto it = byFingerprint.find(fingerprints[r]);
        if (it == byFingerprint.end()) continue;
        p.recordEntry[r] = it.value();
        p.entryRecord[it.value()] = r;
        byFingerprint.erase(it);
    }
    // Changed records: the entry with the same Partita IVA, else the same name and town.
    QHash<quint64, int> byVat;
    QHash<quint64, int> byName;
    for (int e = entries.size() - 1; e >= 0; --e) {
        if (p.entryRecord[e] >= 0) continue;
        if (entries[e].vatKey != 0) byVat.insert(entries[e].vatKey, e);
        byName.insert(entries[e].nameKey, e);
    }
    for (int r = 0; r < archive.size(); ++r) {
        if (p.recordEntry[r] >= 0) continue;
        int e = -1;
        const quint64 vat = DuplicateIndex::vatFingerprint(archive[r]);
        if (vat != 0) e = byVat.value(vat, -1);
        if (e < 0 || p.entryRecord[e] >= 0)
            e = byName.value(DuplicateIndex::nameFingerprint(archive[r]), -1);
        if (e < 0 || p.entryRecord[e] >= 0) continue;
        p.recordEntry[r] = e;
        p.entryRecord[e] = r;
        p.changed[e] = true;
    }
    return p;
}

SyncPlan SyncPlan::build(const SyncInput &in, const Pairing &pairing) {
    SyncPlan plan;
    QHash<int, int> cardOfEntry;
    QList<int> newCards;
    for (int c = 0; c < in.cards.size(); ++c) {
        if (in.cards[c].entry >= 0)
            cardOfEntry.insert(in.cards[c].entry, c);
        else
            newCards << c;
    }
    auto add = [&](SyncAction::Kind kind, int entry, int record, int card) {
        SyncAction a;
        a.kind = kind;
        a.entry = entry;
        a.record = record;
        a.card = card;
        if (record >= 0) a.local = CardRecord::synced(in.archive[record]);
        if (card >= 0) a.server = in.cards[card].record;
        plan.actions << a;
    };

    for (int e = 0; e < in.entries.size(); ++e) {
        const int record = pairing.entryRecord.value(e, -1);
        const int card = cardOfEntry.value(e, -1);
        SyncInput::Remote remote = in.remote.value(e, SyncInput::Remote::Unchanged);
        // A card listed as changed that maps to the contact as last synced is unchanged.
        if (remote == SyncInput::Remote::Changed && card >= 0 &&
            CardRecord::fingerprint(in.cards[card].record) == in.entries[e].fingerprint)
            remote = SyncInput::Remote::Unchanged;
        const bool localChanged = record >= 0 && pairing.changed.value(e);
        const bool etagMoved = card >= 0 && in.cards[card].etag != in.entries[e].etag;
        if (record < 0) {
            if (remote == SyncInput::Remote::Gone)
                add(SyncAction::Forget, e, -1, -1);
            else if (remote == SyncInput::Remote::Changed)
                add(SyncAction::PullNew, e, -1, card);
            else
                add(SyncAction::PushDelete, e, -1, card);
            continue;
        }
        if (remote == SyncInput::Remote::Gone) {
            add(localChanged ? SyncAction::PushNew : SyncAction::PullDelete, e, record, -1);
            continue;
        }
        if (remote == SyncInput::Remote::Changed) {
            if (!localChanged) {
                add(SyncAction::PullUpdate, e, record, card);
            } else if (CardRecord::fingerprint(in.archive[record]) ==
                       CardRecord::fingerprint(in.cards[card].record)) {
                add(SyncAction::Link, e, record, card);
            } else {
                add(SyncAction::Conflict, e, record, card);
            }
            continue;
        }
        if (localChanged)
            add(SyncAction::PushUpdate, e, record, card);
        else if (etagMoved)
            add(SyncAction::Link, e, record, card);
    }

    // New on both sides: the same contact is linked, never doubled.
    QList<bool> cardTaken(in.cards.size(), false);
    QHash<QByteArray, int> byFingerprint;
    for (int c : newCards) byFingerprint.insert(CardRecord::fingerprint(in.cards[c].record), c);
    for (int r = 0; r < in.archive.size(); ++r) {
        if (pairing.recordEntry.value(r, -1) >= 0) continue;
        int match = byFingerprint.value(CardRecord::fingerprint(in.archive[r]), -1);
        if (match >= 0 && cardTaken[match]) match = -1;
        if (match >= 0) {
            cardTaken[match] = true;
            add(SyncAction::Link, -1, r, match);
            continue;
        }
        for (int c : newCards) {
            if (cardTaken[c] || !sameContact(in.archive[r], in.cards[c].record)) continue;
            match = c;
            break;
        }
        if (match >= 0) {
            cardTaken[match] = true;
            add(SyncAction::Conflict, -1, r, match);
        } else {
            add(SyncAction::PushNew, -1, r, -1);
        }
    }
    for (int c : newCards)
        if (!cardTaken[c]) add(SyncAction::PullNew, -1, -1, c);

    // The deletion guard.
    const int localDeletions = plan.count(SyncAction::PullDelete);
    const int serverDeletions = plan.count(SyncAction::PushDelete);
    auto tooMany = [](int deletions, int side) {
        return deletions > kMaxDeletions || (deletions > 0 && deletions * 5 > side);
    };
    if (in.fullListing && in.cards.isEmpty() && in.serverCount == 0 && !in.entries.isEmpty() &&
        localDeletions > 0) {
        plan.needsConfirmation = true;
        plan.confirmation = QStringLiteral(
                                "Il server non elenca più nessun contatto, ma all'ultima "
                                "sincronizzazione ne aveva %1: la sincronizzazione "
                                "eliminerebbe %2 contatti dall'archivio.")
                                .arg(in.entries.size())
                                .arg(localDeletions);
    } else if (tooMany(localDeletions, in.archive.size()) ||
               tooMany(serverDeletions, in.serverCount)) {
        plan.needsConfirmation = true;
        plan.confirmation = QStringLiteral(
                                "La sincronizzazione eliminerebbe %1 contatti dall'archivio e %2 "
                                "dal server.")
                                .arg(localDeletions)
                                .arg(serverDeletions);
    }
    return plan;
}

void SyncPlan::resolve(int index, Choice choice) {
    SyncAction &a = actions[index];
    if (a.kind != SyncAction::Conflict) return;
    switch (choice) {
        case Choice::Leave:
            break;
        case Choice::Local:
            a.kind = SyncAction::PushUpdate;
            break;
        case Choice::Server:
            a.kind = SyncAction::PullUpdate;
            break;
        case Choice::Both: {
            // The server's version becomes a record of its own, linked to the card; the
            // archive's version a card of its own.
            SyncAction pushed = a;
            pushed.kind = SyncAction::PushNew;
            pushed.entry = -1;
            pushed.card = -1;
            a.kind = SyncAction::PullNew;
            a.record = -1;
            actions.append(pushed);
            break;
        }
    }
}

int SyncPlan::count(SyncAction::Kind kind) const {
    int n = 0;
    for (const SyncAction &a : actions) n += a.kind == kind;
    return n;
}
