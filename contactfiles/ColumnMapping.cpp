#include "contactfiles/ColumnMapping.h"

#include <QHash>
#include <QMap>
#include <QRegularExpression>

namespace {

using Role = ColumnMapping::Role;
using Column = ColumnMapping::Column;

Column direct(ContactRecord::Field f) {
    return Column{Role::Direct, f, 0};
}

Column role(Role r) {
    return Column{r, ContactRecord::FieldCount, 0};
}

const QHash<QString, Column> &knownHeaders() {
    static const QHash<QString, Column> table = [] {
        QHash<QString, Column> t;
        // The spreadsheet export's titles, the field names and the search criteria.
        const char *const own[][2] = {{"persona o azienda", "Titolo"},
                                      {"specialità", "Sottotitolo"},
                                      {"città", "Citta"},
                                      {"partita iva", "Iva"},
                                      {"telefono", "Tel"},
                                      {"tel.", "Tel"},
                                      {"cellulare", "Cel"},
                                      {"cel.", "Cel"},
                                      {"e-mail", "Email"},
                                      {"informazioni aggiuntive", "Informazioni"},
                                      {"sito web", "Web"}};
        for (const auto &o : own)
            t.insert(QString::fromUtf8(o[0]),
                     direct(ContactRecord::fieldFromName(QString::fromLatin1(o[1]))));
        for (int i = 0; i <= ContactRecord::Web; ++i) {
            const auto f = ContactRecord::Field(i);
            t.insert(ContactRecord::fieldName(f).toLower(), direct(f));
        }
        // The webmail address book.
        t.insert(QStringLiteral("name"), role(Role::FullName));
        t.insert(QStringLiteral("given name"), role(Role::GivenName));
        t.insert(QStringLiteral("family name"), role(Role::FamilyName));
        t.insert(QStringLiteral("organization 1 - name"), role(Role::Organization));
        t.insert(QStringLiteral("organization name"), role(Role::Organization));
        t.insert(QStringLiteral("organization 1 - title"), role(Role::JobTitle));
        t.insert(QStringLiteral("organization title"), role(Role::JobTitle));
        t.insert(QStringLiteral("e-mail 1 - value"), role(Role::Email));
        t.insert(QStringLiteral("address 1 - formatted"), role(Role::FormattedAddress));
        t.insert(QStringLiteral("address 1 - street"), role(Role::Street));
        t.insert(QStringLiteral("address 1 - city"), role(Role::Town));
        t.insert(QStringLiteral("address 1 - postal code"), role(Role::PostalCode));
        t.insert(QStringLiteral("address 1 - region"), role(Role::Province));
        t.insert(QStringLiteral("website 1 - value"), role(Role::Web));
        t.insert(QStringLiteral("notes"), role(Role::Notes));
        // The desktop mail program.
        t.insert(QStringLiteral("first name"), role(Role::GivenName));
        t.insert(QStringLiteral("last name"), role(Role::FamilyName));
        t.insert(QStringLiteral("display name"), role(Role::FullName));
        t.insert(QStringLiteral("company"), role(Role::Organization));
        t.insert(QStringLiteral("job title"), role(Role::JobTitle));
        t.insert(QStringLiteral("business street"), role(Role::Street));
        t.insert(QStringLiteral("business city"), role(Role::Town));
        t.insert(QStringLiteral("business postal code"), role(Role::PostalCode));
        t.insert(QStringLiteral("business state"), role(Role::Province));
        t.insert(QStringLiteral("business phone"), role(Role::Tel));
        t.insert(QStringLiteral("home phone"), role(Role::Tel));
        t.insert(QStringLiteral("business fax"), role(Role::Fax));
        t.insert(QStringLiteral("mobile phone"), role(Role::Cel));
        t.insert(QStringLiteral("e-mail address"), role(Role::Email));
        t.insert(QStringLiteral("web page"), role(Role::Web));
        return t;
    }();
    return table;
}

bool givesName(const Column &c) {
    return (c.role == Role::Direct && c.field == ContactRecord::Titolo) ||
           c.role == Role::FullName || c.role == Role::GivenName || c.role == Role::FamilyName ||
           c.role == Role::Organization;
}

// The first of several values a cell may hold ("a ::: b").
QString firstValue(const QString &cell) {
    if (!cell.contains(u':')) return cell;
    const qsizetype at = cell.indexOf(QLatin1String(" ::: "));
    return at < 0 ? cell : cell.left(at);
}

void setOnce(QString &target, const QString &value) {
    if (ContactDraft::isBlank(target)) target = value;
}

}  // namespace

ColumnMapping ColumnMapping::fromHeader(const QStringList &header) {
    static const QRegularExpression phone(QStringLiteral("^phone (\\d+) - (type|value)$"));
    ColumnMapping m;
    for (const QString &h : header) {
        const QString key = h.trimmed().toLower();
        Column c;
        const auto it = knownHeaders().constFind(key);
        if (it != knownHeaders().constEnd()) {
            c = it.value();
        } else if (const auto p = phone.match(key); p.hasMatch()) {
            c.role = p.captured(2) == QLatin1String("type") ? Role::PhoneType : Role::PhoneValue;
            c.index = p.captured(1).toInt();
        }
        if (givesName(c)) m.m_named = true;
        m.m_columns.append(c);
    }
    return m;
}

int ColumnMapping::mappedColumns() const {
    int n = 0;
    for (const Column &c : m_columns) n += c.role == Role::Ignored ? 0 : 1;
    return n;
}

ContactDraft ColumnMapping::draft(const QStringList &row) const {
    ContactDraft d;
    // Numbered phones in number order: their type and value may be in any column order.
    QMap<int, std::pair<QString, QString>> numbered;
    const qsizetype n = std::min(row.size(), m_columns.size());
    for (qsizetype i = 0; i < n; ++i) {
        const Column &c = m_columns.at(i);
        const QString v = firstValue(row.at(i));
        if (ContactDraft::isBlank(v)) continue;
        switch (c.role) {
            case Role::Ignored:
                break;
            case Role::Direct:
                setOnce(d.direct[c.field], v);
                break;
            case Role::FullName:
                setOnce(d.fullName, v);
                break;
            case Role::GivenName:
                setOnce(d.givenName, v);
                break;
            case Role::FamilyName:
                setOnce(d.familyName, v);
                break;
            case Role::Organization:
                setOnce(d.organization, v);
                break;
            case Role::JobTitle:
                setOnce(d.jobTitle, v);
                break;
            case Role::Street:
                setOnce(d.street, v);
                break;
            case Role::PostalCode:
                setOnce(d.postalCode, v);
                break;
            case Role::Town:
                setOnce(d.town, v);
                break;
            case Role::Province:
                setOnce(d.province, v);
                break;
            case Role::FormattedAddress:
                setOnce(d.formattedAddress, v);
                break;
            case Role::PhoneType:
                numbered[c.index].first = v;
                break;
            case Role::PhoneValue:
                numbered[c.index].second = v;
                break;
            case Role::Tel:
                d.phones.append({ContactDraft::PhoneKind::Tel, v});
                break;
            case Role::Fax:
                d.phones.append({ContactDraft::PhoneKind::Fax, v});
                break;
            case Role::Cel:
                d.phones.append({ContactDraft::PhoneKind::Cel, v});
                break;
            case Role::Email:
                setOnce(d.email, v);
                break;
            case Role::Web:
                setOnce(d.web, v);
                break;
            case Role::Notes:
                setOnce(d.notes, v);
                break;
        }
    }
    for (const auto &[type, value] : numbered)
        if (!ContactDraft::isBlank(value)) d.phones.append({ContactDraft::kindOf(type), value});
    return d;
}
