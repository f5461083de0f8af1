#include "contactfiles/ColumnMapping.h"

#include <QHash>
#include <QMap>
#include <QRegularExpression>
#include <array>

namespace {

using Role = ColumnMapping::Role;
using Column = ColumnMapping::Column;

// The exports whose headers are known, in the order a tie is decided.
enum Layout : unsigned {
    kOwn = 1,
    kThunderbird = 2,
    kThunderbirdIt = 4,
    kOutlook = 8,
    kOutlookIt = 16,
    kGoogle = 32,
    kGoogleNew = 64
};

// The webmail's "Outlook CSV": Outlook's English titles with the whole address beside its
// parts.
constexpr const char *kGoogleOutlookName = "Google Contatti (formato Outlook CSV)";

constexpr std::array<std::pair<unsigned, const char *>, 7> kLayoutNames = {{
    {kOwn, "Cartaflex"},
    {kThunderbird, "Thunderbird (in inglese)"},
    {kThunderbirdIt, "Thunderbird (in italiano)"},
    {kOutlook, "Outlook (in inglese)"},
    {kOutlookIt, "Outlook (in italiano)"},
    {kGoogle, "Google Contatti (formato Google CSV)"},
    {kGoogleNew, "Google Contatti"},
}};

struct Known {
    Column column;
    unsigned layouts = 0;
};

struct Title {
    const char *text;
    Role role;
    bool work;
};

// The column titles of each export, as the programs write them (English titles from their
// sources, Italian ones from their translations). Columns not listed are not read.
constexpr Title kThunderbirdTitles[] = {
    {"First Name", Role::GivenName, false},
    {"Last Name", Role::FamilyName, false},
    {"Display Name", Role::FullName, false},
    {"Primary Email", Role::Email, false},
    {"Secondary Email", Role::Email, false},
    {"Work Phone", Role::Tel, false},
    {"Home Phone", Role::Tel, false},
    {"Fax Number", Role::Fax, false},
    {"Pager Number", Role::OtherPhone, false},
    {"Mobile Number", Role::Cel, false},
    {"Home Address", Role::Street, false},
    {"Home Address 2", Role::Extended, false},
    {"Home City", Role::Town, false},
    {"Home State", Role::Province, false},
    {"Home ZipCode", Role::PostalCode, false},
    {"Work Address", Role::Street, true},
    {"Work Address 2", Role::Extended, true},
    {"Work City", Role::Town, true},
    {"Work State", Role::Province, true},
    {"Work ZipCode", Role::PostalCode, true},
    {"Job Title", Role::JobTitle, false},
    {"Organization", Role::Organization, false},
    {"Web Page 1", Role::Web, false},
    {"Web Page 2", Role::Web, false},
    {"Notes", Role::Notes, false},
};
constexpr Title kThunderbirdItTitles[] = {
    {"Nome", Role::GivenName, false},
    {"Cognome", Role::FamilyName, false},
    {"Nome visualizzato", Role::FullName, false},
    {"Email primaria", Role::Email, false},
    {"Email secondaria", Role::Email, false},
    {"Telefono lavoro", Role::Tel, false},
    {"Telefono casa", Role::Tel, false},
    {"Numero fax", Role::Fax, false},
    {"Numero cercapersone", Role::OtherPhone, false},
    {"Numero cellulare", Role::Cel, false},
    {"Indirizzo di casa", Role::Street, false},
    {"Indirizzo di casa 2", Role::Extended, false},
    {"Città di residenza", Role::Town, false},
    {"Provincia di residenza", Role::Province, false},
    {"CAP di residenza", Role::PostalCode, false},
    {"Indirizzo di lavoro", Role::Street, true},
    {"Indirizzo di lavoro 2", Role::Extended, true},
    {"Città di lavoro", Role::Town, true},
    {"Provincia di lavoro", Role::Province, true},
    {"CAP di lavoro", Role::PostalCode, true},
    {"Qualifica", Role::JobTitle, false},
    {"Organizzazione", Role::Organization, false},
    {"Pagina web 1", Role::Web, false},
    {"Pagina web 2", Role::Web, false},
    {"Note", Role::Notes, false},
};
constexpr Title kOutlookTitles[] = {
    {"Title", Role::Prefix, false},
    {"First Name", Role::GivenName, false},
    {"Middle Name", Role::MiddleName, false},
    {"Last Name", Role::FamilyName, false},
    {"Suffix", Role::Suffix, false},
    {"Company", Role::Organization, false},
    {"Job Title", Role::JobTitle, false},
    {"Business Street", Role::Street, true},
    {"Business Street 2", Role::Extended, true},
    {"Business Street 3", Role::Extended, true},
    {"Business City", Role::Town, true},
    {"Business State", Role::Province, true},
    {"Business Postal Code", Role::PostalCode, true},
    {"Home Street", Role::Street, false},
    {"Home Street 2", Role::Extended, false},
    {"Home Street 3", Role::Extended, false},
    {"Home City", Role::Town, false},
    {"Home State", Role::Province, false},
    {"Home Postal Code", Role::PostalCode, false},
    {"Assistant's Phone", Role::OtherPhone, false},
    {"Business Fax", Role::Fax, false},
    {"Business Phone", Role::Tel, false},
    {"Business Phone 2", Role::Tel, false},
    {"Callback", Role::OtherPhone, false},
    {"Car Phone", Role::OtherPhone, false},
    {"Company Main Phone", Role::Tel, false},
    {"Home Fax", Role::Fax, false},
    {"Home Phone", Role::Tel, false},
    {"Home Phone 2", Role::Tel, false},
    {"ISDN", Role::OtherPhone, false},
    {"Mobile Phone", Role::Cel, false},
    {"Other Fax", Role::Fax, false},
    {"Other Phone", Role::OtherPhone, false},
    {"Pager", Role::OtherPhone, false},
    {"Primary Phone", Role::Tel, false},
    {"Radio Phone", Role::OtherPhone, false},
    {"TTY/TDD Phone", Role::OtherPhone, false},
    {"Telex", Role::OtherPhone, false},
    {"E-mail Address", Role::Email, false},
    {"E-mail 2 Address", Role::Email, false},
    {"E-mail 3 Address", Role::Email, false},
    {"Web Page", Role::Web, false},
    {"Notes", Role::Notes, false},
};
// Outlook in Italian: its own export (the columns of the English one, translated, the
// rest sorted by their Italian names), then the titles by which the webmail translations
// of that export name the same columns ("Telefono di lavoro", "Indirizzo e-mail"), then
// the contact fields as older Italian Outlook versions name them.
constexpr Title kOutlookItTitles[] = {
    {"Titolo", Role::Prefix, false},
    {"Nome", Role::GivenName, false},
    {"Secondo nome", Role::MiddleName, false},
    {"Cognome", Role::FamilyName, false},
    {"Titolo straniero", Role::Suffix, false},
    {"Società", Role::Organization, false},
    {"Reparto", Role::Ignored, false},
    {"Posizione", Role::JobTitle, false},
    {"Via (uff.)", Role::Street, true},
    {"Via (uff.) 2", Role::Extended, true},
    {"Via (uff.) 3", Role::Extended, true},
    {"Città (uff.)", Role::Town, true},
    {"Provincia (uff.)", Role::Province, true},
    {"CAP (uff.)", Role::PostalCode, true},
    {"Paese/area geografica (uff.)", Role::Ignored, false},
    {"Via (ab.)", Role::Street, false},
    {"Via (ab.) 2", Role::Extended, false},
    {"Via (ab.) 3", Role::Extended, false},
    {"Città (ab.)", Role::Town, false},
    {"Provincia (ab.)", Role::Province, false},
    {"CAP (ab.)", Role::PostalCode, false},
    {"Paese/area geografica (ab.)", Role::Ignored, false},
    {"Telefono assistente", Role::OtherPhone, false},
    {"Fax (uff.)", Role::Fax, false},
    {"Ufficio", Role::Tel, false},
    {"Ufficio 2", Role::Tel, false},
    {"Richiamata automatica", Role::OtherPhone, false},
    {"Telefono auto", Role::OtherPhone, false},
    {"Telefono principale società", Role::Tel, false},
    {"Fax (ab.)", Role::Fax, false},
    {"Abitazione", Role::Tel, false},
    {"Abitazione 2", Role::Tel, false},
    {"ISDN", Role::OtherPhone, false},
    {"Cellulare", Role::Cel, false},
    {"Altro fax", Role::Fax, false},
    {"Altro telefono", Role::OtherPhone, false},
    {"Cercapersone", Role::OtherPhone, false},
    {"Telefono principale", Role::Tel, false},
    {"Radiotelefono", Role::OtherPhone, false},
    {"Telefono TTY/TDD", Role::OtherPhone, false},
    {"Telex", Role::OtherPhone, false},
    {"Categorie", Role::Ignored, false},
    {"Compleanno", Role::Ignored, false},
    {"Notes", Role::Notes, false},
    {"Pagina Web", Role::Web, false},
    {"Indirizzo posta elettronica", Role::Email, false},
    {"Tipo posta elettronica", Role::Ignored, false},
    {"Nome visualizzato posta elettronica", Role::Ignored, false},
    {"Indirizzo posta elettronica 2", Role::Email, false},
    {"Indirizzo posta elettronica 3", Role::Email, false},
    {"Sesso", Role::Ignored, false},
    {"Priorità", Role::Ignored, false},
    {"Riservatezza", Role::Ignored, false},
    // The webmail translations of the same export.
    {"Suffisso", Role::Suffix, false},
    {"Qualifica", Role::JobTitle, false},
    {"Indirizzo di lavoro", Role::Street, true},
    {"Città di lavoro", Role::Town, true},
    {"Provincia di lavoro", Role::Province, true},
    {"CAP di lavoro", Role::PostalCode, true},
    {"Indirizzo di casa", Role::Street, false},
    {"Città di residenza", Role::Town, false},
    {"Provincia di residenza", Role::Province, false},
    {"CAP di casa", Role::PostalCode, false},
    {"Telefono di lavoro", Role::Tel, false},
    {"Telefono di lavoro 2", Role::Tel, false},
    {"Telefono di casa", Role::Tel, false},
    {"Telefono di casa 2", Role::Tel, false},
    {"Fax di lavoro", Role::Fax, false},
    {"Fax di casa", Role::Fax, false},
    {"Telefono mobile", Role::Cel, false},
    {"Telefono dell'auto", Role::OtherPhone, false},
    {"Numero cercapersone", Role::OtherPhone, false},
    {"Indirizzo e-mail", Role::Email, false},
    {"Indirizzo e-mail 2", Role::Email, false},
    {"Indirizzo e-mail 3", Role::Email, false},
    {"Note", Role::Notes, false},
    // The contact fields as older Italian Outlook versions and Windows name them.
    {"Titolo personale", Role::Prefix, false},
    {"Nome completo", Role::FullName, false},
    {"Telefono (uff.)", Role::Tel, false},
    {"Telefono (ab.)", Role::Tel, false},
    {"Fax abitazione", Role::Fax, false},
    {"Numero di cellulare", Role::Cel, false},
    {"Telefono automobile", Role::OtherPhone, false},
    {"Indirizzo di posta elettronica", Role::Email, false},
    {"Posta el. 2", Role::Email, false},
};
constexpr Title kGoogleTitles[] = {
    {"Name", Role::FullName, false},
    {"Given Name", Role::GivenName, false},
    {"Additional Name", Role::MiddleName, false},
    {"Family Name", Role::FamilyName, false},
    {"Name Prefix", Role::Prefix, false},
    {"Name Suffix", Role::Suffix, false},
    {"Organization 1 - Name", Role::Organization, false},
    {"Organization 1 - Title", Role::JobTitle, false},
    {"Address 1 - Formatted", Role::FormattedAddress, false},
    {"Address 1 - Street", Role::Street, false},
    {"Address 1 - Extended Address", Role::Extended, false},
    {"Address 1 - City", Role::Town, false},
    {"Address 1 - Postal Code", Role::PostalCode, false},
    {"Address 1 - Region", Role::Province, false},
    {"Website 1 - Value", Role::Web, false},
    {"Notes", Role::Notes, false},
};
constexpr Title kGoogleNewTitles[] = {
    {"First Name", Role::GivenName, false},
    {"Middle Name", Role::MiddleName, false},
    {"Last Name", Role::FamilyName, false},
    {"Name Prefix", Role::Prefix, false},
    {"Name Suffix", Role::Suffix, false},
    {"Organization Name", Role::Organization, false},
    {"Organization Title", Role::JobTitle, false},
    {"Address 1 - Formatted", Role::FormattedAddress, false},
    {"Address 1 - Street", Role::Street, false},
    {"Address 1 - Extended Address", Role::Extended, false},
    {"Address 1 - City", Role::Town, false},
    {"Address 1 - Postal Code", Role::PostalCode, false},
    {"Address 1 - Region", Role::Province, false},
    {"Website 1 - Value", Role::Web, false},
    {"Notes", Role::Notes, false},
};

Column direct(ContactRecord::Field f) {
    return Column{Role::Direct, f, 0, false};
}

void add(QHash<QString, Known> &t, const QString &title, const Column &c, unsigned layout) {
    Known &k = t[title.toLower()];
    if (k.layouts == 0) k.column = c;
    k.layouts |= layout;
}

template <size_t N>
void addAll(QHash<QString, Known> &t, const Title (&titles)[N], unsigned layout) {
    for (const Title &title : titles)
        add(t, QString::fromUtf8(title.text),
            Column{title.role, ContactRecord::FieldCount, 0, title.work}, layout);
}

const QHash<QString, Known> &knownHeaders() {
    static const QHash<QString, Known> table = [] {
        QHash<QString, Known> t;
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
            add(t, QString::fromUtf8(o[0]),
                direct(ContactRecord::fieldFromName(QString::fromLatin1(o[1]))), kOwn);
        for (int i = 0; i <= ContactRecord::Web; ++i) {
            const auto f = ContactRecord::Field(i);
            add(t, ContactRecord::fieldName(f), direct(f), kOwn);
        }
        // "Titolo" is the archive's name field unless first and last names are given too
        // (fromHeader decides); then it is a courtesy title.
        addAll(t, kThunderbirdTitles, kThunderbird);
        addAll(t, kThunderbirdItTitles, kThunderbirdIt);
        addAll(t, kOutlookTitles, kOutlook);
        addAll(t, kOutlookItTitles, kOutlookIt);
        addAll(t, kGoogleTitles, kGoogle);
        addAll(t, kGoogleNewTitles, kGoogleNew);
        return t;
    }();
    return table;
}

bool givesName(const Column &c) {
    return (c.role == Role::Direct &&
            (c.field == ContactRecord::Titolo || c.field == ContactRecord::Email)) ||
           c.role == Role::FullName || c.role == Role::GivenName || c.role == Role::FamilyName ||
           c.role == Role::Organization || c.role == Role::Email;
}

bool isPersonPart(const Column &c) {
    return c.role == Role::GivenName || c.role == Role::FamilyName;
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
    // The numbered columns of the webmail exports: "Phone 2 - Type", "E-mail 1 - Value".
    static const QRegularExpression numbered(
        QStringLiteral("^(phone|e-mail) (\\d+) - (type|label|value)$"));
    ColumnMapping m;
    std::array<int, kLayoutNames.size()> votes{};
    for (const QString &h : header) {
        const QString key = h.trimmed().toLower();
        Column c;
        unsigned from = 0;
        const auto it = knownHeaders().constFind(key);
        if (it != knownHeaders().constEnd()) {
            c = it->column;
            from = it->layouts;
        } else if (const auto p = numbered.match(key); p.hasMatch()) {
            const bool phone = p.captured(1) == QLatin1String("phone");
            const bool value = p.captured(3) == QLatin1String("value");
            c.role = phone ? (value ? Role::PhoneValue : Role::PhoneType)
                           : (value ? Role::Email : Role::Ignored);
            c.index = p.captured(2).toInt();
            from = p.captured(3) == QLatin1String("label") ? kGoogleNew : kGoogle | kGoogleNew;
        }
        for (size_t i = 0; i < kLayoutNames.size(); ++i)
            if (from & kLayoutNames[i].first) ++votes[i];
        m.m_columns.append(c);
    }
    // A title beside first and last names is a courtesy title, never the name. Beside
    // "Home Street", a "Home Address" column is the whole address in one cell (the
    // webmail's Outlook-style export), not the street.
    bool person = false;
    bool streets = false;
    for (qsizetype i = 0; i < m.m_columns.size(); ++i) {
        person = person || isPersonPart(m.m_columns.at(i));
        const QString key = header.at(i).trimmed().toLower();
        streets = streets || key == QLatin1String("home street") ||
                  key == QLatin1String("business street");
    }
    bool wholeAddress = false;
    for (qsizetype i = 0; i < m.m_columns.size(); ++i) {
        Column &c = m.m_columns[i];
        const QString key = header.at(i).trimmed().toLower();
        if (streets && key.endsWith(QLatin1String(" address")) &&
            (key.startsWith(QLatin1String("home")) || key.startsWith(QLatin1String("business")))) {
            c = Column{Role::FormattedAddress, ContactRecord::FieldCount, 0,
                       key.startsWith(QLatin1String("business"))};
            wholeAddress = true;
        }
        if (key == QLatin1String("titolo") || key == QLatin1String("title")) {
            if (person)
                c = Column{Role::Prefix, ContactRecord::FieldCount, 0, false};
            else if (key == QLatin1String("title"))
                c = Column{};
            else
                c = direct(ContactRecord::Titolo);
        }
        if (givesName(c)) m.m_named = true;
    }
    int best = 0;
    for (size_t i = 0; i < kLayoutNames.size(); ++i) {
        if (votes[i] > best) {
            best = votes[i];
            m.m_layout = QString::fromUtf8(kLayoutNames[i].second);
        }
    }
    if (best < 2) m.m_layout.clear();
    if (wholeAddress && m.m_layout == QLatin1String("Outlook (in inglese)"))
        m.m_layout = QString::fromUtf8(kGoogleOutlookName);
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
        ContactDraft::Address &a = c.work ? d.workAddress : d.address;
        switch (c.role) {
            case Role::Ignored:
                break;
            case Role::Direct:
                setOnce(d.direct[c.field], v);
                break;
            case Role::FullName:
                setOnce(d.fullName, v);
                break;
            case Role::Prefix:
                setOnce(d.prefix, v);
                break;
            case Role::GivenName:
                setOnce(d.givenName, v);
                break;
            case Role::MiddleName:
                setOnce(d.middleName, v);
                break;
            case Role::FamilyName:
                setOnce(d.familyName, v);
                break;
            case Role::Suffix:
                setOnce(d.suffix, v);
                break;
            case Role::Organization:
                setOnce(d.organization, v);
                break;
            case Role::JobTitle:
                setOnce(d.jobTitle, v);
                break;
            case Role::Street:
                setOnce(a.street, v);
                break;
            case Role::Extended:
                setOnce(a.extended, v);
                break;
            case Role::PostalCode:
                setOnce(a.postalCode, v);
                break;
            case Role::Town:
                setOnce(a.town, v);
                break;
            case Role::Province:
                setOnce(a.province, v);
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
            case Role::OtherPhone:
                d.phones.append({ContactDraft::PhoneKind::Other, v});
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
