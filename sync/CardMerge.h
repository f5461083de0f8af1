#pragma once

#include <QByteArray>

#include "archive/ContactRecord.h"

// A change of the archive written into the server's card: only the properties behind the
// fields that changed are rewritten (FN and N for the name, the address the import takes,
// the first telephone of each kind, ...); every other line of the card — a photo, a
// birthday, a second telephone, categories, X- properties, its UID — stays as it was,
// parameters included. A field emptied removes its property; a field the card lacked
// adds one before END:VCARD.
class CardMerge {
public:
    // `serverCard` mapped to `serverRecord`; `local` is the archive's version.
    static QByteArray merge(const QByteArray &serverCard, const ContactRecord &serverRecord,
                            const ContactRecord &local);
};
