#include "contactfiles/ContactDraft.h"

#include <QStringList>

#include "contactfiles/CityLine.h"

namespace {

// One line: line breaks, tabs and other control characters become blanks, blanks around
// it go (blanks only, as the archive trims them); blanks inside stay.
QString clean(const QString &s) {
    bool asIs = s.isEmpty() || (s.front() != u' ' && s.back() != u' ');
    for (qsizetype i = 0; asIs && i < s.size(); ++i)
        asIs = s.at(i).unicode() >= 0x20 && s.at(i).unicode() != 0x7F;
    if (asIs) return s;
    QString out = s;
    out.replace(QLatin1String("\r\n"), QLatin1String(" "));
    for (QChar &c : out)
        if (c.unicode() < 0x20 || c.unicode() == 0x7F) c = u' ';
    return ContactRecord::trimBlanks(out);
}

}  // namespace

bool ContactDraft::isBlank(const QString &s) {
    for (QChar c : s)
        if (!c.isSpace()) return false;
    return true;
}

ContactDraft::PhoneKind ContactDraft::kindOf(const QString &typeText) {
    const QString t = typeText.toLower();
    if (t.contains(QLatin1String("fax"))) return PhoneKind::Fax;
    if (t.contains(QLatin1String("cell")) || t.contains(QLatin1String("mobile")) ||
        t.contains(QLatin1String("cellulare")))
        return PhoneKind::Cel;
    return PhoneKind::Tel;
}

ContactRecord ContactDraft::toRecord() const {
    ContactRecord r;
    QString person;
    if (!isBlank(fullName))
        person = clean(fullName);
    else
        person = clean(clean(givenName) + u' ' + clean(familyName));
    const QString org = clean(organization);
    const QString name = person.isEmpty() ? org : person;
    r.setValue(ContactRecord::Titolo, name);
    QString specialty = clean(jobTitle);
    if (specialty.isEmpty() && !org.isEmpty() && org != name) specialty = org;
    r.setValue(ContactRecord::Sottotitolo, specialty);

    QString streetLine = clean(street);
    CityLine city{clean(postalCode), clean(town), clean(province)};
    QString cityLine = city.compose();
    if (streetLine.isEmpty() && cityLine.isEmpty() && !isBlank(formattedAddress)) {
        // A formatted address: the first line is the street, the others the town.
        QStringList lines = formattedAddress.split(u'\n', Qt::SkipEmptyParts);
        for (QString &l : lines) l = clean(l);
        lines.removeAll(QString());
        if (!lines.isEmpty()) streetLine = lines.takeFirst();
        cityLine = lines.join(u' ');
    }
    r.setValue(ContactRecord::Indirizzo, streetLine);
    r.setValue(ContactRecord::Citta, cityLine);
    r.setValue(ContactRecord::Iva, clean(vatNumber));
    for (const Phone &p : phones) {
        const ContactRecord::Field f = p.kind == PhoneKind::Fax   ? ContactRecord::Fax
                                       : p.kind == PhoneKind::Cel ? ContactRecord::Cel
                                                                  : ContactRecord::Tel;
        if (r.value(f).isEmpty()) r.setValue(f, clean(p.number));
    }
    r.setValue(ContactRecord::Email, clean(email));
    r.setValue(ContactRecord::Web, clean(web));
    r.setValue(ContactRecord::Informazioni, clean(notes));
    for (int i = 0; i < ContactRecord::FieldCount; ++i)
        if (!isBlank(direct[i])) r.setValue(ContactRecord::Field(i), clean(direct[i]));
    return r;
}
