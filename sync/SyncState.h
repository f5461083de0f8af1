#pragma once

#include <QList>
#include <QString>
#include <QUrl>

#include "sync/SyncEntry.h"

// What the last sync left, kept beside the archive in Contatti.sync (JSON): the address
// book it synced with, the server's sync token and ctag, and one entry per contact. The
// archive has no identifiers, so an entry is tied to a record by content: the record
// whose fingerprint is the entry's is that contact unchanged. The file is written in one
// step (a temporary file renamed over it); a missing or unreadable file, or one of
// another address book, is an empty state: the next sync then matches by content.
class SyncState {
public:
    static constexpr const char *kFileName = "Contatti.sync";

    QUrl book;
    QString syncToken;
    QByteArray ctag;
    QList<SyncEntry> entries;

    // False (and the state empty) when the file is missing or unsound.
    bool load(const QString &path);
    bool save(const QString &path, QString *why = nullptr) const;
};
