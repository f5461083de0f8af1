#include "labels/RecipientLines.h"

namespace {

QString trimmed(const ContactRecord &r, ContactRecord::Field f) {
    return ContactRecord::trimBlanks(r.value(f));
}

}  // namespace

QStringList RecipientLines::compact(const ContactRecord &record) {
    QStringList lines;
    for (ContactRecord::Field f : {ContactRecord::Titolo, ContactRecord::Sottotitolo,
                                   ContactRecord::Indirizzo, ContactRecord::Citta}) {
        const QString text = trimmed(record, f);
        if (!text.isEmpty()) lines << text;
    }
    return lines;
}

bool RecipientLines::hasName(const ContactRecord &record) {
    return !trimmed(record, ContactRecord::Titolo).isEmpty();
}

bool RecipientLines::hasAddress(const ContactRecord &record) {
    return !trimmed(record, ContactRecord::Indirizzo).isEmpty() ||
           !trimmed(record, ContactRecord::Citta).isEmpty();
}
