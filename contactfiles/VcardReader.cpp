#include "contactfiles/VcardReader.h"

#include <QHash>
#include <QStringDecoder>
#include <algorithm>

#include "archive/Cp1252Codec.h"
#include "contactfiles/TransferMessages.h"

namespace {

// Index of the first `sep` at or after `from` outside double quotes, or -1.
qsizetype unquotedIndex(QByteArrayView s, char sep, qsizetype from = 0) {
    bool quoted = false;
    for (qsizetype i = from; i < s.size(); ++i) {
        if (s[i] == '"')
            quoted = !quoted;
        else if (!quoted && s[i] == sep)
            return i;
    }
    return -1;
}

QByteArrayView unquote(QByteArrayView s) {
    s = s.trimmed();
    if (s.size() >= 2 && s.front() == '"' && s.back() == '"') s = s.sliced(1, s.size() - 2);
    return s;
}

// A parameter name or value, capitals and small letters alike.
bool isKey(QByteArrayView text, const char *key) {
    return text.compare(QByteArrayView(key), Qt::CaseInsensitive) == 0;
}

bool isQuotedPrintable(const QByteArray &logical) {
    const qsizetype colon = unquotedIndex(logical, ':');
    const QByteArray head = (colon < 0 ? logical : logical.left(colon)).toUpper();
    return head.contains("QUOTED-PRINTABLE");
}

int hexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

}  // namespace

QByteArray VcardReader::decodeQuotedPrintable(const QByteArray &value) {
    QByteArray out;
    out.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        const char c = value.at(i);
        if (c == '=' && i + 2 < value.size() && hexValue(value.at(i + 1)) >= 0 &&
            hexValue(value.at(i + 2)) >= 0) {
            out.append(char(hexValue(value.at(i + 1)) * 16 + hexValue(value.at(i + 2))));
            i += 2;
        } else if (c == '=' && i + 1 == value.size()) {
            // A soft line break left at the very end.
        } else {
            out.append(c);
        }
    }
    return out;
}

QString VcardReader::unescape(const QString &value) {
    if (!value.contains(u'\\')) return value;
    QString out(value.size(), Qt::Uninitialized);
    QChar *dst = out.data();
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value.at(i);
        if (c != u'\\' || i + 1 == value.size()) {
            *dst++ = c;
            continue;
        }
        const QChar n = value.at(++i);
        if (n == u'n' || n == u'N') {
            *dst++ = u'\n';
        } else if (n == u',' || n == u';' || n == u'\\' || n == u':') {
            *dst++ = n;
        } else {
            *dst++ = c;
            *dst++ = n;
        }
    }
    out.truncate(dst - out.constData());
    return out;
}

QStringList VcardReader::components(const QString &value) {
    QStringList parts;
    parts.reserve(8);
    qsizetype start = 0;
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value.at(i);
        if (c == u'\\') {
            ++i;  // the escaped character is never a separator
        } else if (c == u';') {
            parts << unescape(value.mid(start, i - start));
            start = i + 1;
        }
    }
    parts << unescape(value.mid(start));
    return parts;
}

unsigned VcardReader::typeFlag(QByteArrayView type) {
    const QByteArrayView t = unquote(type);
    if (isKey(t, "work")) return kWork;
    if (isKey(t, "fax")) return kFax;
    if (isKey(t, "cell")) return kCell;
    return 0;
}

QString VcardReader::text(const Property &p) const {
    const QByteArray bytes =
        p.encoding == "QUOTED-PRINTABLE" ? decodeQuotedPrintable(p.value) : p.value;
    if (p.charset.isEmpty()) return TextEncoding::decode(bytes, m_encoding);
    if (p.charset == "utf-8" || p.charset == "utf8") return QString::fromUtf8(bytes);
    if (p.charset == "windows-1252" || p.charset == "cp1252") return Cp1252Codec::decode(bytes);
    if (p.charset == "iso-8859-1" || p.charset == "latin1") return QString::fromLatin1(bytes);
    QStringDecoder decoder(p.charset.constData());
    if (decoder.isValid()) return decoder.decode(bytes);
    return TextEncoding::decode(bytes, m_encoding);
}

bool VcardReader::property(const Property &p) {
    const Name n = p.name;
    if (n == Name::Begin || n == Name::End) {
        const bool card = p.value.trimmed().toUpper() == "VCARD";
        if (n == Name::Begin) {
            if (!card && m_depth == 0)
                return fail(
                    QString::fromUtf8(TransferMessages::kVcardStrayText).arg(m_logicalStart));
            if (card && ++m_depth == 1) {
                m_card = ContactDraft();
                m_cardStart = m_logicalStart;
                m_haveAddress = m_workAddress = m_version4 = false;
            }
            return true;
        }
        if (card && m_depth > 0 && --m_depth == 0 && !(*m_visit)(m_card)) m_stop = true;
        return true;
    }
    if (m_depth == 0)
        return fail(QString::fromUtf8(TransferMessages::kVcardStrayText).arg(m_logicalStart));
    // A card inside the card (2.1 writes an agent's card as "AGENT:BEGIN:VCARD").
    if (n == Name::Agent && p.value.trimmed().toUpper().startsWith("BEGIN:VCARD")) {
        ++m_depth;
        return true;
    }
    if (m_depth > 1) return true;
    if (n == Name::Other || n == Name::Picture || p.encoding == "B" || p.encoding == "BASE64")
        return true;

    if (n == Name::Version) {
        m_version4 = p.value.trimmed() == "4.0";
    } else if (n == Name::Fn) {
        if (m_card.fullName.isEmpty()) m_card.fullName = unescape(text(p));
    } else if (n == Name::N) {
        const QStringList c = components(text(p));
        m_card.familyName = c.value(0);
        m_card.givenName = c.value(1);
    } else if (n == Name::Org) {
        if (m_card.organization.isEmpty()) m_card.organization = components(text(p)).value(0);
    } else if (n == Name::Title) {
        if (m_card.jobTitle.isEmpty()) m_card.jobTitle = unescape(text(p));
    } else if (n == Name::Adr) {
        const bool work = (p.types & kWork) != 0;
        if (!m_haveAddress || (work && !m_workAddress)) {
            const QStringList c = components(text(p));
            m_card.street = c.value(2).isEmpty() ? c.value(0) : c.value(2);
            m_card.town = c.value(3);
            m_card.province = c.value(4);
            m_card.postalCode = c.value(5);
            m_haveAddress = true;
            m_workAddress = work;
        }
    } else if (n == Name::Tel) {
        ContactDraft::PhoneKind kind = ContactDraft::PhoneKind::Tel;
        if (p.types & kFax)
            kind = ContactDraft::PhoneKind::Fax;
        else if (p.types & kCell)
            kind = ContactDraft::PhoneKind::Cel;
        // A "tel:" address: VALUE=uri says so, and 4.0 cards often write it without.
        QString number = unescape(text(p));
        if ((p.uri || m_version4) && number.startsWith(QLatin1String("tel:"), Qt::CaseInsensitive))
            number = number.mid(4);
        m_card.phones.append({kind, number});
    } else if (n == Name::Email) {
        if (m_card.email.isEmpty()) m_card.email = unescape(text(p));
    } else if (n == Name::Url) {
        if (m_card.web.isEmpty()) m_card.web = unescape(text(p));
    } else if (n == Name::Note) {
        if (m_card.notes.isEmpty()) m_card.notes = unescape(text(p));
    } else if (n == Name::Vat) {
        if (m_card.vatNumber.isEmpty()) m_card.vatNumber = unescape(text(p));
    }
    return true;
}

VcardReader::Name VcardReader::nameOf(QByteArrayView name) {
    static const QHash<QByteArray, Name> names = {
        {"BEGIN", Name::Begin},   {"END", Name::End},         {"AGENT", Name::Agent},
        {"PHOTO", Name::Picture}, {"LOGO", Name::Picture},    {"SOUND", Name::Picture},
        {"KEY", Name::Picture},   {"VERSION", Name::Version}, {"FN", Name::Fn},
        {"N", Name::N},           {"ORG", Name::Org},         {"TITLE", Name::Title},
        {"ADR", Name::Adr},       {"TEL", Name::Tel},         {"EMAIL", Name::Email},
        {"URL", Name::Url},       {"NOTE", Name::Note},       {kVatProperty, Name::Vat}};
    // Names are short: upper case on the stack.
    char upper[32];
    if (name.size() > qsizetype(sizeof upper)) return Name::Other;
    for (qsizetype i = 0; i < name.size(); ++i) {
        const char c = name[i];
        upper[i] = c >= 'a' && c <= 'z' ? char(c - 32) : c;
    }
    return names.value(QByteArray::fromRawData(upper, name.size()), Name::Other);
}

bool VcardReader::line(const QByteArray &logical) {
    if (std::all_of(logical.cbegin(), logical.cend(),
                    [](char c) { return c == ' ' || c == '\t' || c == '\r'; }))
        return true;
    const qsizetype colon = unquotedIndex(logical, ':');
    if (colon < 0) {
        // Inside a card, a line without a name (a picture's data written unfolded) is
        // skipped.
        if (m_depth > 0) return true;
        return fail(QString::fromUtf8(TransferMessages::kVcardStrayText).arg(m_logicalStart));
    }
    const QByteArrayView head(logical.constData(), colon);
    qsizetype at = unquotedIndex(head, ';');
    QByteArrayView name = (at < 0 ? head : head.first(at)).trimmed();
    // A group prefix ("item1.TEL") is not part of the name.
    if (const qsizetype dot = name.lastIndexOf('.'); dot >= 0) name = name.sliced(dot + 1);
    Property p;
    p.name = nameOf(name);
    // Inside a card, only the properties read need their value.
    if (p.name == Name::Other && m_depth > 0) return true;
    p.value = logical.mid(colon + 1);
    while (at >= 0) {
        const qsizetype next = unquotedIndex(head, ';', at + 1);
        const QByteArrayView param =
            head.sliced(at + 1, (next < 0 ? head.size() : next) - at - 1).trimmed();
        at = next;
        const qsizetype eq = param.indexOf('=');
        const QByteArrayView key = eq < 0 ? param : param.first(eq);
        const QByteArrayView value = eq < 0 ? QByteArrayView() : unquote(param.sliced(eq + 1));
        if (eq < 0) {
            if (isKey(key, "QUOTED-PRINTABLE") || isKey(key, "BASE64"))
                p.encoding = key.toByteArray().toUpper();
            else
                p.types |= typeFlag(key);
        } else if (isKey(key, "TYPE")) {
            for (qsizetype from = 0; from <= value.size();) {
                qsizetype comma = value.indexOf(',', from);
                if (comma < 0) comma = value.size();
                p.types |= typeFlag(value.sliced(from, comma - from));
                from = comma + 1;
            }
        } else if (isKey(key, "ENCODING")) {
            p.encoding = value.toByteArray().toUpper();
        } else if (isKey(key, "VALUE")) {
            p.uri = isKey(value, "uri");
        } else if (isKey(key, "CHARSET")) {
            p.charset = value.toByteArray().toLower();
        }
    }
    return property(p);
}

bool VcardReader::read(QIODevice &in, TextEncoding::Kind encoding, const Visitor &visit,
                       const Progress &progress) {
    m_encoding = encoding;
    m_visit = &visit;
    m_stop = false;
    m_depth = 0;
    m_lineNumber = 0;
    QByteArray carried;
    QByteArray logical;
    bool first = true;
    qint64 total = 0;

    auto physical = [&](QByteArrayView l) {
        ++m_lineNumber;
        if (l.endsWith('\r')) l.chop(1);
        if (logical.endsWith('=') && isQuotedPrintable(logical)) {
            logical.chop(1);
            logical.append(l);
            return true;
        }
        if (!logical.isEmpty() && !l.isEmpty() && (l.front() == ' ' || l.front() == '\t')) {
            logical.append(l.sliced(1));
            return true;
        }
        const bool ok = logical.isEmpty() || line(logical);
        logical.resize(0);  // keeps its room
        logical.append(l);
        m_logicalStart = m_lineNumber;
        return ok;
    };

    QByteArray block(kBlockSize, Qt::Uninitialized);
    for (;;) {
        const qint64 got = in.read(block.data(), block.size());
        if (got < 0) return fail(in.errorString());
        if (got == 0) break;
        total += got;
        QByteArray data = carried + QByteArray::fromRawData(block.constData(), got);
        if (first && TextEncoding::startsWithBom(data)) data.remove(0, 3);
        first = false;
        qsizetype start = 0;
        for (qsizetype nl; (nl = data.indexOf('\n', start)) >= 0; start = nl + 1) {
            if (!physical(QByteArrayView(data).sliced(start, nl - start))) return false;
            if (m_stop) return true;
        }
        carried = data.mid(start);
        if (progress) progress(total);
    }
    if (!carried.isEmpty() && !physical(carried)) return false;
    if (m_stop) return true;
    if (!logical.isEmpty() && !line(logical)) return false;
    if (m_depth > 0)
        return fail(QString::fromUtf8(TransferMessages::kVcardTruncatedText).arg(m_cardStart));
    return true;
}
