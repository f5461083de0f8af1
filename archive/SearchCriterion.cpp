#include "archive/SearchCriterion.h"

#include <array>

namespace {

struct Criterion {
    const char *text;  // UTF-8
    ContactRecord::Field field;
};

constexpr std::array<Criterion, SearchCriterion::kCount> kCriteria = {{
    {"Persona o azienda", ContactRecord::Titolo},
    {"Specialità", ContactRecord::Sottotitolo},
    {"Indirizzo", ContactRecord::Indirizzo},
    {"Città", ContactRecord::Citta},
    {"Partita IVA", ContactRecord::Iva},
    {"Tel.", ContactRecord::Tel},
    {"Fax", ContactRecord::Fax},
    {"Cel.", ContactRecord::Cel},
    {"E-mail", ContactRecord::Email},
    {"Informazioni aggiuntive", ContactRecord::Informazioni},
    {"Sito Web", ContactRecord::Web},
}};

}  // namespace

QStringList SearchCriterion::entryTexts() {
    QStringList out;
    for (const Criterion &c : kCriteria) out << QString::fromUtf8(c.text);
    return out;
}

std::optional<ContactRecord::Field> SearchCriterion::fieldFor(const QString &entry) {
    const QString t = ContactRecord::trimBlanks(entry);
    for (const Criterion &c : kCriteria)
        if (t == QString::fromUtf8(c.text)) return c.field;
    return std::nullopt;
}
