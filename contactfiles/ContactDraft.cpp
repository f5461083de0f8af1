#include "contactfiles/ContactDraft.h"

#include <QRegularExpression>
#include <QStringList>

#include "archive/Cp1252Fold.h"
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

// Printable Latin-1 only: text the archive holds as it is (the common case, told at once).
bool latin1Text(const QString &s) {
    for (QChar c : s) {
        const char16_t u = c.unicode();
        if (u < 0x20 || (u >= 0x7F && u < 0xA0) || u > 0xFF) return false;
    }
    return true;
}

// The lines of a multi-line value joined by ", " ("Via Roma 1\nscala B").
QString oneLine(const QString &s) {
    if (!s.contains(u'\n') && !s.contains(u'\r')) return clean(s);
    QStringList lines;
    for (const QString &l : QString(s).replace(u'\r', u'\n').split(u'\n')) {
        const QString c = clean(l);
        if (!c.isEmpty()) lines << c;
    }
    return lines.join(QStringLiteral(", "));
}

QString joined(const QStringList &parts, const QString &separator = QStringLiteral(" ")) {
    QStringList kept;
    for (const QString &p : parts)
        if (!p.isEmpty()) kept << p;
    return kept.join(separator);
}

// The first of `choices` that fits in `width` characters; the last when none does.
QString firstFitting(const QStringList &choices, int width) {
    for (const QString &c : choices)
        if (c.size() <= width) return c;
    return choices.isEmpty() ? QString() : choices.last();
}

// The address of an e-mail value written as "Name" <address> or mailto:address.
// The last line of a formatted Italian address when it names the country.
bool isCountry(const QString &line) {
    return line.compare(QLatin1String("IT"), Qt::CaseInsensitive) == 0 ||
           line.compare(QLatin1String("Italia"), Qt::CaseInsensitive) == 0 ||
           line.compare(QLatin1String("Italy"), Qt::CaseInsensitive) == 0;
}

QString emailAddress(const QString &value) {
    QString v = clean(value);
    const qsizetype open = v.lastIndexOf(u'<');
    const qsizetype close = v.lastIndexOf(u'>');
    if (open >= 0 && close > open) v = v.mid(open + 1, close - open - 1).trimmed();
    while (v.startsWith(QLatin1String("mailto:"), Qt::CaseInsensitive)) v = v.mid(7);
    return v;
}

}  // namespace

bool ContactDraft::Address::isEmpty() const {
    return isBlank(street) && isBlank(extended) && isBlank(postalCode) && isBlank(town) &&
           isBlank(province);
}

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
    if (t.contains(QLatin1String("pager")) || t.contains(QLatin1String("other")) ||
        t.contains(QLatin1String("cercapersone")) || t.contains(QLatin1String("altro")))
        return PhoneKind::Other;
    return PhoneKind::Tel;
}

ContactRecord ContactDraft::toRecord(QString *changed) const {
    const int nameWidth = ContactRecord::width(ContactRecord::Titolo);
    const int specialtyWidth = ContactRecord::width(ContactRecord::Sottotitolo);
    const int streetWidth = ContactRecord::width(ContactRecord::Indirizzo);
    ContactRecord r;

    // The person: the full name when it fits, else first, middle and last name (the middle
    // dropped, then the courtesy title and the suffix, until it fits).
    const QString given = clean(givenName), middle = clean(middleName);
    const QString family = clean(familyName), pre = clean(prefix), post = clean(suffix);
    QString person = clean(fullName);
    if (person.isEmpty() || person.size() > nameWidth) {
        if (!given.isEmpty() || !family.isEmpty() || !middle.isEmpty()) {
            person = firstFitting({joined({pre, given, middle, family, post}),
                                   joined({pre, given, family, post}), joined({given, family})},
                                  nameWidth);
        }
    }
    const QString org = clean(organization);
    const QString job = clean(jobTitle);
    QString name = person, specialty = job, orgNote;
    if (person.isEmpty()) {
        name = org;
    } else if (!org.isEmpty() && org.compare(person, Qt::CaseInsensitive) != 0) {
        if (job.isEmpty())
            specialty = org;
        else if (job.size() + 2 + org.size() <= specialtyWidth)
            specialty = job + QStringLiteral(", ") + org;
        else
            orgNote = org;
    }
    const QString mail = emailAddress(email);
    if (name.isEmpty()) name = mail;
    r.setValue(ContactRecord::Titolo, name);
    r.setValue(ContactRecord::Sottotitolo, specialty);

    const Address &a = workAddress.isEmpty() ? address : workAddress;
    QString streetLine = oneLine(a.street);
    const QString extra = oneLine(a.extended);
    if (!extra.isEmpty())
        streetLine = firstFitting({joined({streetLine, extra}, QStringLiteral(", ")), streetLine},
                                  streetWidth);
    if (streetLine.isEmpty()) streetLine = extra;
    CityLine city{clean(a.postalCode), clean(a.town), clean(a.province)};
    QString cityLine = city.compose();
    if (streetLine.isEmpty() && cityLine.isEmpty() && !isBlank(formattedAddress)) {
        // A formatted address: the first line is the street, the others the town.
        QStringList lines = formattedAddress.split(u'\n', Qt::SkipEmptyParts);
        for (QString &l : lines) l = clean(l);
        lines.removeAll(QString());
        if (!lines.isEmpty()) streetLine = lines.takeFirst();
        if (lines.size() > 1 && isCountry(lines.last())) lines.removeLast();
        cityLine = lines.join(u' ');
        // "07026 Olbia SS", as the webmail writes an Italian town, in the archive's form.
        static const QRegularExpression town(QStringLiteral("^(\\d{5}) (.+) ([A-Za-z]{2})$"));
        if (const auto m = town.match(cityLine); m.hasMatch())
            cityLine = CityLine{m.captured(1), m.captured(2), m.captured(3)}.compose();
    }
    r.setValue(ContactRecord::Indirizzo, streetLine);
    r.setValue(ContactRecord::Citta, cityLine);
    r.setValue(ContactRecord::Iva, clean(vatNumber));
    QString other;
    for (const Phone &p : phones) {
        const QString number = clean(p.number);
        if (number.isEmpty()) continue;
        if (p.kind == PhoneKind::Other) {
            if (other.isEmpty()) other = number;
            continue;
        }
        const ContactRecord::Field f = p.kind == PhoneKind::Fax   ? ContactRecord::Fax
                                       : p.kind == PhoneKind::Cel ? ContactRecord::Cel
                                                                  : ContactRecord::Tel;
        if (r.value(f).isEmpty()) r.setValue(f, number);
    }
    if (r.value(ContactRecord::Tel).isEmpty() && r.value(ContactRecord::Cel).isEmpty())
        r.setValue(ContactRecord::Tel, other);
    r.setValue(ContactRecord::Email, mail);
    r.setValue(ContactRecord::Web, clean(web));
    r.setValue(
        ContactRecord::Informazioni,
        orgNote.isEmpty() ? clean(notes) : joined({orgNote, clean(notes)}, QStringLiteral(" - ")));
    for (int i = 0; i < ContactRecord::FieldCount; ++i)
        if (!isBlank(direct[i])) r.setValue(ContactRecord::Field(i), clean(direct[i]));

    // What the archive cannot hold, as near as it can.
    for (int i = 0; i < ContactRecord::FieldCount; ++i) {
        const auto f = ContactRecord::Field(i);
        const QString v = r.value(f);
        if (latin1Text(v)) continue;
        const QString folded = Cp1252Fold::fold(v);
        if (folded == v) continue;
        if (changed) {
            for (QChar c : Cp1252Fold::changed(v))
                if (c.category() != QChar::Other_Control && !changed->contains(c))
                    changed->append(c);
        }
        r.setValue(f, ContactRecord::trimBlanks(folded));
    }
    return r;
}
