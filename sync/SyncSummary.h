#pragma once

#include <QString>

// The counts of a sync, for its closing line.
struct SyncSummary {
    int received = 0;   // records added or changed from the server
    int sent = 0;       // cards added or changed on the server
    int deleted = 0;    // contacts deleted, on either side
    int conflicts = 0;  // contacts changed on both sides and left as they are

    QString text() const {
        return QStringLiteral(
                   "Sincronizzazione terminata: ricevuti %1, inviati %2, eliminati %3, "
                   "conflitti %4.")
            .arg(received)
            .arg(sent)
            .arg(deleted)
            .arg(conflicts);
    }
};
