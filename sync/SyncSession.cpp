#include "sync/SyncSession.h"

#include <QHash>
#include <QSet>
#include <QUuid>

#include "archive/ArchiveLock.h"
#include "archive/ArchiveStore.h"
#include "contactfiles/DuplicateIndex.h"
#include "sync/CardMerge.h"
#include "sync/CardRecord.h"
#include "sync/DavClient.h"

SyncSession::SyncSession(ArchiveStore &store, DavClient &client, const QUrl &book)
    : m_store(store), m_client(client), m_server(client), m_book(book) {
    if (!m_book.path().endsWith(u'/')) m_book.setPath(m_book.path() + u'/');
}

QString SyncSession::statePath() const {
    return m_store.archivePath(QString::fromLatin1(SyncState::kFileName));
}

QUrl SyncSession::urlOf(const QString &href) const {
    QUrl relative;
    relative.setPath(href);
    return m_book.resolved(relative);
}

bool SyncSession::fail(const QString &why) {
    m_error = why;
    return false;
}

void SyncSession::tick(const Callbacks &callbacks) {
    ++m_done;
    if (m_done > m_total) m_total = m_done;
    if (callbacks.progress) callbacks.progress(m_done, m_total);
}

SyncEntry SyncSession::entryFor(const QString &href, const QString &uid, const QByteArray &etag,
                                const ContactRecord &record) const {
    const ContactRecord synced = CardRecord::synced(record);
    SyncEntry e;
    e.href = urlOf(href).path();
    e.uid = uid;
    e.name = synced.titolo();
    e.etag = etag;
    e.fingerprint = CardRecord::fingerprint(synced);
    e.vatKey = DuplicateIndex::vatFingerprint(synced);
    e.nameKey = DuplicateIndex::nameFingerprint(synced);
    return e;
}

bool SyncSession::saveState(const SyncState &state) {
    QString why;
    if (state.save(statePath(), &why)) return true;
    return fail(QStringLiteral("Impossibile scrivere il file %1: %2.")
                    .arg(QString::fromLatin1(SyncState::kFileName), why));
}

bool SyncSession::readServer(SyncInput &in, CardDavServer::Listing &listing) {
    if (!m_server.list(m_book, m_state.syncToken, m_state.ctag, listing))
        return fail(m_server.error());
    ++m_done;
    const QList<SyncEntry> &entries = in.entries;
    QHash<QString, int> entryOf;
    for (int e = 0; e < entries.size(); ++e) entryOf.insert(urlOf(entries[e].href).path(), e);
    in.remote.fill(SyncInput::Remote::Unchanged, entries.size());
    QStringList wanted;
    QSet<QString> asked;
    auto want = [&](const QString &path) {
        if (!asked.contains(path)) wanted << path;
        asked.insert(path);
    };
    QList<bool> listed(entries.size(), false);
    int fresh = 0;
    for (const DavResponse &r : listing.cards) {
        const QString path = urlOf(r.href).path();
        const int e = entryOf.value(path, -1);
        if (r.status == 404 || r.status == 410) {
            if (e >= 0) in.remote[e] = SyncInput::Remote::Gone;
            continue;
        }
        if (e < 0) {
            ++fresh;
            want(path);
            continue;
        }
        listed[e] = true;
        if (r.etag.isEmpty() || r.etag != entries[e].etag) {
            in.remote[e] = SyncInput::Remote::Changed;
            want(path);
        }
    }
    in.fullListing = !listing.delta && !listing.unchanged;
    for (int e = 0; e < entries.size(); ++e) {
        if (in.fullListing && !listed[e]) in.remote[e] = SyncInput::Remote::Gone;
        // A card whose ETag is not known (a conflict left, a write refused) is read again.
        if (in.remote[e] == SyncInput::Remote::Unchanged && entries[e].etag.isEmpty()) {
            in.remote[e] = SyncInput::Remote::Changed;
            want(urlOf(entries[e].href).path());
        }
    }
    m_pairing = SyncPlan::pair(entries, in.archive);
    // The archive's changes are written into the server's cards: those are read too.
    for (int e = 0; e < entries.size(); ++e)
        if (m_pairing.changed[e] && in.remote[e] == SyncInput::Remote::Unchanged)
            want(urlOf(entries[e].href).path());

    QList<DavResponse> fetched;
    m_total = m_done + 1 + int(wanted.size() / CardDavServer::kBatch);
    if (!wanted.isEmpty() && !m_server.fetch(m_book, wanted, fetched))
        return fail(m_server.error());
    QSet<QString> got;
    for (const DavResponse &r : fetched) {
        const QString path = urlOf(r.href).path();
        got.insert(path);
        const int e = entryOf.value(path, -1);
        SyncInput::Card card;
        card.href = path;
        card.etag = r.etag;
        card.entry = e;
        if (!CardRecord::fromCard(r.addressData, card.record) || card.record.titolo().isEmpty()) {
            // A card the archive cannot hold (no name) is left alone on both sides.
            if (e >= 0) in.remote[e] = SyncInput::Remote::Unchanged;
            if (e >= 0) m_pairing.changed[e] = false;
            continue;
        }
        in.cards << card;
        m_rawCards << r.addressData;
    }
    // Asked for but gone meanwhile.
    for (int e = 0; e < entries.size(); ++e) {
        const QString path = urlOf(entries[e].href).path();
        if (asked.contains(path) && !got.contains(path) &&
            in.remote[e] == SyncInput::Remote::Changed)
            in.remote[e] = SyncInput::Remote::Gone;
    }
    if (in.fullListing) {
        in.serverCount = 0;
        for (const DavResponse &r : listing.cards) in.serverCount += r.status < 400;
    } else {
        in.serverCount = fresh;
        for (auto r : in.remote) in.serverCount += r != SyncInput::Remote::Gone;
    }
    return true;
}

SyncSession::Outcome SyncSession::run(const Options &options, const Callbacks &callbacks) {
    m_summary = SyncSummary{};
    m_conflicts.clear();
    m_error.clear();
    m_question.clear();
    m_rawCards.clear();
    m_done = 0;
    m_total = 3;
    m_state.load(statePath());
    if (m_state.book != m_book) m_state = SyncState{};
    m_state.book = m_book;
    m_input = SyncInput{};
    m_input.entries = m_state.entries;
    if (m_store.recordCount() < 0) {
        fail(m_store.errorString());
        return Outcome::Failed;
    }
    m_input.archive = m_store.readAll();
    CardDavServer::Listing listing;
    if (!readServer(m_input, listing)) return Outcome::Failed;
    tick(callbacks);

    SyncPlan plan = SyncPlan::build(m_input, m_pairing);
    const qsizetype planned = plan.actions.size();
    for (qsizetype i = 0; i < planned; ++i) {
        if (plan.actions[i].kind != SyncAction::Conflict) continue;
        SyncPlan::Choice choice = SyncPlan::Choice::Leave;
        if (options.prefer == SyncPlan::Prefer::Local)
            choice = SyncPlan::Choice::Local;
        else if (options.prefer == SyncPlan::Prefer::Server)
            choice = SyncPlan::Choice::Server;
        else if (callbacks.choose)
            choice = callbacks.choose(plan.actions[i].local, plan.actions[i].server);
        plan.resolve(int(i), choice);
    }
    if (plan.needsConfirmation) m_question = plan.confirmation;
    if (plan.needsConfirmation && !options.dryRun &&
        !(callbacks.confirm &&
          callbacks.confirm(plan.confirmation + QStringLiteral(" Procedere?")))) {
        m_error =
            plan.confirmation + QStringLiteral(" Nessuna conferma: non è stato modificato nulla.");
        return Outcome::Declined;
    }
    if (options.dryRun) {
        for (const SyncAction &a : plan.actions) {
            switch (a.kind) {
                case SyncAction::PushNew:
                case SyncAction::PushUpdate:
                    ++m_summary.sent;
                    break;
                case SyncAction::PullNew:
                case SyncAction::PullUpdate:
                    ++m_summary.received;
                    break;
                case SyncAction::PushDelete:
                case SyncAction::PullDelete:
                    ++m_summary.deleted;
                    break;
                case SyncAction::Conflict:
                    ++m_summary.conflicts;
                    m_conflicts << (a.local.titolo().isEmpty() ? a.server.titolo()
                                                               : a.local.titolo());
                    continue;
                default:
                    continue;
            }
            SyncAction shown = a;
            if (a.kind == SyncAction::PushDelete && a.entry >= 0)
                shown.local.setValue(ContactRecord::Titolo, m_input.entries[a.entry].name);
            if (callbacks.changed) callbacks.changed(shown);
        }
        return Outcome::Done;
    }
    m_total = m_done + 2;
    for (const SyncAction &a : plan.actions)
        m_total += a.kind == SyncAction::PushNew || a.kind == SyncAction::PushUpdate ||
                   a.kind == SyncAction::PushDelete;
    if (!pushToServer(plan, callbacks)) return Outcome::Failed;
    if (!writeArchive(plan, listing, callbacks)) return Outcome::Failed;
    tick(callbacks);
    return Outcome::Done;
}

bool SyncSession::pushToServer(SyncPlan &plan, const Callbacks &callbacks) {
    QList<SyncEntry> &entries = m_state.entries;
    m_dropped.fill(false, entries.size());
    m_updated.fill(false, entries.size());
    m_added.clear();
    auto checkpoint = [&]() {
        SyncState partial = m_state;  // the old token: the server's changes are still to read
        partial.entries.clear();
        for (int e = 0; e < entries.size(); ++e)
            if (!m_dropped[e]) partial.entries << entries[e];
        partial.entries << m_added;
        return saveState(partial);
    };
    auto interrupted = [&](const DavReply &reply, const QUrl &url) {
        const QString why = CardDavServer::describe(reply, url);
        checkpoint();
        return fail(why);
    };
    // The card changed meanwhile: never overwritten, read again next time.
    auto race = [&](SyncAction &a) {
        a.kind = SyncAction::Conflict;
        if (a.entry >= 0) entries[a.entry].etag.clear();
    };
    // A card the server took: its entry in the state, new or in place of the old one.
    auto sent = [&](const SyncAction &a, const SyncEntry &made) {
        if (a.entry >= 0) {
            entries[a.entry] = made;
            m_updated[a.entry] = true;
        } else {
            m_added << made;
        }
        ++m_summary.sent;
    };
    for (SyncAction &a : plan.actions) {
        if (a.kind == SyncAction::PushNew) {
            QString uid = a.entry >= 0 ? entries[a.entry].uid : QString();
            QString href = a.entry >= 0 ? entries[a.entry].href : QString();
            if (uid.isEmpty()) uid = QUuid::createUuid().toString(QUuid::WithoutBraces);
            if (href.isEmpty()) href = m_book.path() + uid + QStringLiteral(".vcf");
            const QUrl url = urlOf(href);
            const DavReply reply = m_server.put(url, CardRecord::newCard(a.local, uid), {});
            tick(callbacks);
            if (reply.status == 412) {
                race(a);
                continue;
            }
            if (!reply.ok()) return interrupted(reply, url);
            const SyncEntry made = entryFor(href, uid, reply.etag, a.local);
            sent(a, made);
        } else if (a.kind == SyncAction::PushUpdate) {
            if (a.card < 0) continue;
            const SyncInput::Card &card = m_input.cards[a.card];
            const QByteArray &raw = m_rawCards[a.card];
            const QUrl url = urlOf(card.href);
            const DavReply reply =
                m_server.put(url, CardMerge::merge(raw, card.record, a.local), card.etag);
            tick(callbacks);
            if (reply.status == 412) {
                race(a);
                continue;
            }
            if (!reply.ok()) return interrupted(reply, url);
            const SyncEntry made = entryFor(card.href, CardRecord::uidOf(raw), reply.etag, a.local);
            sent(a, made);
        } else if (a.kind == SyncAction::PushDelete) {
            const QByteArray etag =
                a.card >= 0 ? m_input.cards[a.card].etag : entries[a.entry].etag;
            const QUrl url = urlOf(entries[a.entry].href);
            const DavReply reply = m_server.remove(url, etag);
            tick(callbacks);
            if (reply.status == 412) {
                race(a);
                continue;
            }
            if (!reply.ok() && reply.status != 404) return interrupted(reply, url);
            m_dropped[a.entry] = true;
            a.local.setValue(ContactRecord::Titolo, entries[a.entry].name);
            ++m_summary.deleted;
        } else {
            continue;
        }
        if (callbacks.changed) callbacks.changed(a);
    }
    return checkpoint();
}

bool SyncSession::writeArchive(const SyncPlan &plan, const CardDavServer::Listing &listing,
                               const Callbacks &callbacks) {
    QList<SyncEntry> entries = m_state.entries;
    QList<bool> dropped = m_dropped;
    QList<SyncEntry> added = m_added;
    QList<ContactRecord> records = m_input.archive;
    QList<bool> removed(records.size(), false);
    QList<ContactRecord> appended;
    bool archiveChanged = false;
    QList<const SyncAction *> done;
    auto place = [&](int entry, const SyncEntry &made) {
        if (entry >= 0)
            entries[entry] = made;
        else
            added << made;
    };
    for (const SyncAction &a : plan.actions) {
        const SyncInput::Card *card = a.card >= 0 ? &m_input.cards[a.card] : nullptr;
        const QString uid = card ? CardRecord::uidOf(m_rawCards[a.card]) : QString();
        switch (a.kind) {
            case SyncAction::PullNew:
                appended << card->record;
                place(a.entry, entryFor(card->href, uid, card->etag, card->record));
                ++m_summary.received;
                archiveChanged = true;
                done << &a;
                break;
            case SyncAction::PullUpdate: {
                ContactRecord r = card->record;
                // The logos are this computer's own.
                for (auto f : {ContactRecord::Logo01, ContactRecord::Logo02, ContactRecord::Logo03})
                    r.setValue(f, records[a.record].value(f));
                records[a.record] = r;
                place(a.entry, entryFor(card->href, uid, card->etag, card->record));
                ++m_summary.received;
                archiveChanged = true;
                done << &a;
                break;
            }
            case SyncAction::PullDelete:
                removed[a.record] = true;
                dropped[a.entry] = true;
                ++m_summary.deleted;
                archiveChanged = true;
                done << &a;
                break;
            case SyncAction::Link:
                if (card) place(a.entry, entryFor(card->href, uid, card->etag, a.local));
                break;
            case SyncAction::Forget:
                dropped[a.entry] = true;
                break;
            case SyncAction::Conflict: {
                ++m_summary.conflicts;
                m_conflicts << (a.local.titolo().isEmpty() ? a.server.titolo() : a.local.titolo());
                if (a.entry >= 0) {
                    entries[a.entry].etag.clear();
                } else if (card) {
                    // Linked, with nothing known as synced: the next sync asks again.
                    SyncEntry open = entryFor(card->href, uid, QByteArray(), a.local);
                    open.fingerprint.clear();
                    added << open;
                }
                break;
            }
            default:
                break;
        }
    }
    ArchiveLock lock(m_store.archivePath());
    if (!lock.acquire())
        return fail(lock.busy() ? QString::fromUtf8(ArchiveLock::kBusyText) : lock.errorString());
    if (archiveChanged) {
        QList<ContactRecord> after;
        after.reserve(records.size() + appended.size());
        for (int r = 0; r < records.size(); ++r)
            if (!removed[r]) after << records[r];
        after << appended;
        if (!m_store.replaceAll(m_input.archive, after)) {
            m_summary.received = 0;
            return fail(m_store.changedElsewhere()
                            ? QStringLiteral("L'archivio è stato modificato durante la "
                                             "sincronizzazione: le modifiche del server non sono "
                                             "state scritte. Sincronizzare di nuovo.")
                            : QStringLiteral("Impossibile scrivere l'archivio: %1.")
                                  .arg(m_store.errorString()));
        }
    }
    SyncState state = m_state;
    state.syncToken = listing.syncToken;
    state.ctag = listing.ctag;
    state.entries.clear();
    for (int e = 0; e < entries.size(); ++e)
        if (!dropped[e]) state.entries << entries[e];
    state.entries << added;
    if (!saveState(state)) return false;
    if (callbacks.changed)
        for (const SyncAction *a : done) callbacks.changed(*a);
    return true;
}
