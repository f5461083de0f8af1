#pragma once

#include <QString>
#include <QStringList>

#include "archive/ContactRecord.h"

// The recipient of a label or an envelope of a series, as taken from a contact.
class RecipientLines {
public:
    // Titolo, Sottotitolo, Indirizzo and Città, trimmed of blanks, empty ones left out
    // so that the block stays compact. The first line is the name when there is one.
    static QStringList compact(const ContactRecord &record);
    // Whether the record's name survives as the first compact line (it is printed bold).
    static bool hasName(const ContactRecord &record);
    // A contact with neither Indirizzo nor Città cannot be posted: it is left out.
    static bool hasAddress(const ContactRecord &record);
};
