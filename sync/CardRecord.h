#pragma once

#include <QByteArray>
#include <QString>

#include "archive/ContactRecord.h"

// A contact as the sync compares it: the archive record without the logo paths (they are
// the computer's own and never travel), as it reads back from the archive; and the
// mapping between such a record and a vCard, the same as the import and export use.
class CardRecord {
public:
    // The part of `record` that is synced, normalised as the archive stores it.
    static ContactRecord synced(const ContactRecord &record);
    // A short fingerprint of the synced part (hex), the same on every computer.
    static QByteArray fingerprint(const ContactRecord &record);
    // The record a vCard maps to; false when the text holds no sound card.
    static bool fromCard(const QByteArray &vcard, ContactRecord &record);
    // A new card for `record` with the given UID.
    static QByteArray newCard(const ContactRecord &record, const QString &uid);
    // The UID property of a card, empty when it has none.
    static QString uidOf(const QByteArray &vcard);
    // The name shown in messages and lines: Persona o azienda.
    static QString nameOf(const ContactRecord &record) { return record.titolo(); }
};
