#pragma once

// Folder sync/: the shared address book: two-way sync of the archive with a CardDAV server
// (HTTP client, multistatus reader, discovery, the sync state, plan and session, the
// keyring), its set-up, progress and conflict windows.

#include <QByteArray>
#include <QList>
#include <QString>
#include <QUrl>
#include <functional>

#include "sync/CardDavServer.h"
#include "sync/SyncPlan.h"
#include "sync/SyncState.h"
#include "sync/SyncSummary.h"

class ArchiveStore;
class DavClient;

// One sync of the archive with an address book: reads both sides and the state, works
// out the plan, asks what needs asking, then writes the server first (each write
// conditional on the ETag last seen) and the archive last, in one all-or-nothing step
// under the writers' lock, with the state beside it.
//
// An interruption anywhere (network gone, server killed, "Annulla") leaves the archive as
// it was and a state that records the server writes already done, so the next sync
// completes the work; a write the server refuses with 412 (the card changed meanwhile) is
// a conflict, never overwritten, and the card is read again by the next sync.
class SyncSession {
public:
    struct Options {
        bool dryRun = false;
        SyncPlan::Prefer prefer = SyncPlan::Prefer::Ask;
    };
    struct Callbacks {
        // The deletion guard's question; false (or none) changes nothing.
        std::function<bool(const QString &question)> confirm;
        // A contact changed on both sides, when neither side is preferred.
        std::function<SyncPlan::Choice(const ContactRecord &local, const ContactRecord &server)>
            choose;
        // Requests done of an estimate, for a progress bar.
        std::function<void(int done, int total)> progress;
        // One change made (or, in a dry run, to be made).
        std::function<void(const SyncAction &action)> changed;
    };
    enum class Outcome { Done, Declined, Failed };

    SyncSession(ArchiveStore &store, DavClient &client, const QUrl &book);

    Outcome run(const Options &options, const Callbacks &callbacks);

    SyncSummary summary() const { return m_summary; }
    // The names of the contacts left in conflict.
    QStringList conflicts() const { return m_conflicts; }
    QString error() const { return m_error; }
    // The deletion guard's question, when the plan needed one (a dry run does not ask).
    QString question() const { return m_question; }
    QString statePath() const;

private:
    bool readServer(SyncInput &input, CardDavServer::Listing &listing);
    bool pushToServer(SyncPlan &plan, const Callbacks &callbacks);
    bool writeArchive(const SyncPlan &plan, const CardDavServer::Listing &listing,
                      const Callbacks &callbacks);
    bool fail(const QString &why);
    bool saveState(const SyncState &state);
    SyncEntry entryFor(const QString &href, const QString &uid, const QByteArray &etag,
                       const ContactRecord &record) const;
    QUrl urlOf(const QString &href) const;
    void tick(const Callbacks &callbacks);

    ArchiveStore &m_store;
    DavClient &m_client;
    CardDavServer m_server;
    QUrl m_book;
    SyncState m_state;         // as read; entries change as the server writes succeed
    QList<bool> m_dropped;     // per state entry: gone after the server writes
    QList<SyncEntry> m_added;  // entries made by the server writes
    QList<bool> m_updated;     // per state entry: rewritten by the server writes
    SyncInput m_input;
    SyncPlan::Pairing m_pairing;
    QList<QByteArray> m_rawCards;  // per input card: its vCard text
    SyncSummary m_summary;
    QStringList m_conflicts;
    QString m_error;
    QString m_question;
    int m_done = 0;
    int m_total = 0;
};
