#include "office/DataSheetContent.h"

#include "archive/ContactRecord.h"

QStringList DataSheetContent::labels() {
    return {QStringLiteral("Specialità:"),
            QStringLiteral("Indirizzo:"),
            QStringLiteral("Città:"),
            QStringLiteral("Partita IVA:"),
            QStringLiteral("Telefono:"),
            QStringLiteral("Fax:"),
            QStringLiteral("Cellulare:"),
            QStringLiteral("E-mail:"),
            QStringLiteral("Informazioni aggiuntive:"),
            QStringLiteral("Sito Web:")};
}

DataSheetContent DataSheetContent::fromRecord(const ContactRecord &record) {
    DataSheetContent c;
    c.titolo = record.value(ContactRecord::Titolo);
    // The table rows follow the record's fields from Sottotitolo to Web.
    for (int i = 0; i < kRows; ++i)
        c.values[i] = record.value(ContactRecord::Field(ContactRecord::Sottotitolo + i));
    c.logoPath = record.value(ContactRecord::Logo03);
    return c;
}
