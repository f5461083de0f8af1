#pragma once

#include <QByteArray>
#include <QString>

// One contact as the last sync left it on both sides.
struct SyncEntry {
    QString href;            // the card's address on the server (its path)
    QString uid;             // the card's UID
    QString name;            // Persona o azienda, for messages
    QByteArray etag;         // the card's ETag after the last sync (empty: unknown)
    QByteArray fingerprint;  // CardRecord::fingerprint of the contact as last synced
    quint64 vatKey = 0;      // the duplicate rule's keys of that contact
    quint64 nameKey = 0;
};
