#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include "archive/ArchiveStore.h"
#include "labels/ContactSelection.h"

// The first pass over a selection, before anything is printed: how many contacts get a
// label or an envelope, and who is left out because the record has no address.
struct SelectionScan {
    struct LeftOut {
        int number = 0;
        QString name;  // Titolo, trimmed (may be empty)
    };

    int printable = 0;
    QList<LeftOut> leftOut;
    bool readOk = true;

    static SelectionScan run(ArchiveStore &store, const ContactSelection &selection);

    // "Esclusa la scheda n. 7 (Rossi Mario): manca l'indirizzo."
    static QString leftOutLine(const LeftOut &who);
    // What the dialog says before printing: empty when nobody is left out, else the
    // count and, one a line, up to `listed` of them and how many more.
    QString leftOutSummary(int listed = 15) const;
};
