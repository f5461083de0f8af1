#include "sync/CardMerge.h"

#include <QList>

#include "contactfiles/CityLine.h"
#include "contactfiles/VcardReader.h"
#include "contactfiles/VcardWriter.h"
#include "sync/CardRecord.h"

namespace {

enum class Slot { None, Fn, N, Org, Title, Adr, Tel, Fax, Cel, Email, Url, Note, Vat, End };

struct Line {
    QByteArray text;    // the logical line, unfolded
    QByteArray head;    // name and parameters, before the first ':' outside quotes
    QByteArray name;    // upper case, without a group
    QByteArray params;  // upper case
    bool removed = false;
};

Line lineOf(const QByteArray &text) {
    Line l;
    l.text = text;
    bool quoted = false;
    qsizetype colon = -1;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) == '"') quoted = !quoted;
        if (text.at(i) == ':' && !quoted) {
            colon = i;
            break;
        }
    }
    l.head = colon < 0 ? text : text.left(colon);
    const qsizetype semicolon = l.head.indexOf(';');
    l.name = (semicolon < 0 ? l.head : l.head.left(semicolon)).toUpper();
    const qsizetype dot = l.name.indexOf('.');
    if (dot >= 0) l.name = l.name.mid(dot + 1);
    l.params = semicolon < 0 ? QByteArray() : l.head.mid(semicolon).toUpper();
    return l;
}

Slot slotOf(const Line &l) {
    const QByteArray &n = l.name;
    if (n == "FN") return Slot::Fn;
    if (n == "N") return Slot::N;
    if (n == "ORG") return Slot::Org;
    if (n == "TITLE") return Slot::Title;
    if (n == "ADR") return Slot::Adr;
    if (n == "TEL") {
        if (l.params.contains("FAX")) return Slot::Fax;
        if (l.params.contains("CELL")) return Slot::Cel;
        return Slot::Tel;
    }
    if (n == "EMAIL") return Slot::Email;
    if (n == "URL") return Slot::Url;
    if (n == "NOTE") return Slot::Note;
    if (n == VcardReader::kVatProperty) return Slot::Vat;
    if (n == "END") return Slot::End;
    return Slot::None;
}

QList<Line> linesOf(const QByteArray &card) {
    QList<Line> lines;
    QByteArray current;
    for (QByteArray physical : card.split('\n')) {
        if (physical.endsWith('\r')) physical.chop(1);
        if (!physical.isEmpty() && (physical.at(0) == ' ' || physical.at(0) == '\t')) {
            current += physical.mid(1);
            continue;
        }
        if (!current.isEmpty()) lines << lineOf(current);
        current = physical;
    }
    if (!current.isEmpty()) lines << lineOf(current);
    return lines;
}

// The head without ENCODING= and CHARSET= (the new value is plain UTF-8).
QByteArray plainHead(const QByteArray &head) {
    QList<QByteArray> parts = head.split(';');
    QByteArray out = parts.takeFirst();
    for (const QByteArray &p : parts) {
        const QByteArray upper = p.toUpper();
        if (upper.startsWith("ENCODING=") || upper.startsWith("CHARSET=") ||
            upper == "QUOTED-PRINTABLE")
            continue;
        out += ';';
        out += p;
    }
    return out;
}

QByteArray escaped(const QString &value) {
    QByteArray out;
    VcardWriter::appendEscaped(out, value);
    return out;
}

}  // namespace

QByteArray CardMerge::merge(const QByteArray &serverCard, const ContactRecord &serverRecord,
                            const ContactRecord &localRecord) {
    const ContactRecord old = CardRecord::synced(serverRecord);
    const ContactRecord now = CardRecord::synced(localRecord);
    auto changed = [&](ContactRecord::Field f) { return old.value(f) != now.value(f); };

    QList<Line> lines = linesOf(serverCard);
    // The line of each slot the import reads: the first one, the first work address.
    auto find = [&](Slot s) -> int {
        int found = -1;
        for (int i = 0; i < lines.size(); ++i) {
            if (slotOf(lines[i]) != s) continue;
            if (found < 0) found = i;
            if (s != Slot::Adr) break;
            if (lines[i].params.contains("WORK")) {
                if (!lines[found].params.contains("WORK")) found = i;
                break;
            }
        }
        return found;
    };
    QList<QByteArray> added;
    // Sets the slot's line to `value` (escaped already), keeping its parameters; an empty
    // value removes it; a missing line is added with `head`.
    auto set = [&](Slot s, const QByteArray &head, const QByteArray &value, bool empty) {
        const int at = find(s);
        if (at >= 0) {
            if (empty)
                lines[at].removed = true;
            else
                lines[at].text = plainHead(lines[at].head) + ':' + value;
            if (empty) lines[at].name = "-";  // no longer found as the slot
        } else if (!empty) {
            added << head + ':' + value;
        }
    };
    auto setField = [&](Slot s, const char *head, ContactRecord::Field f) {
        if (changed(f)) set(s, head, escaped(now.value(f)), now.value(f).isEmpty());
    };

    if (changed(ContactRecord::Titolo)) {
        const QString name = now.value(ContactRecord::Titolo);
        // An organisation that was the name follows it.
        const int org = find(Slot::Org);
        if (org >= 0) {
            const QByteArray value = lines[org].text.mid(lines[org].head.size() + 1);
            if (VcardReader::components(QString::fromUtf8(value)).value(0) ==
                old.value(ContactRecord::Titolo))
                set(Slot::Org, "ORG", escaped(name), name.isEmpty());
        }
        set(Slot::Fn, "FN", escaped(name), false);
        set(Slot::N, "N", escaped(name) + ";;;;", false);
    }
    if (changed(ContactRecord::Sottotitolo)) {
        const QString value = now.value(ContactRecord::Sottotitolo);
        // Without TITLE the import takes the organisation when it is not the name.
        if (find(Slot::Title) < 0 && find(Slot::Org) >= 0 &&
            !old.value(ContactRecord::Sottotitolo).isEmpty())
            set(Slot::Org, "ORG", escaped(value), value.isEmpty());
        else
            set(Slot::Title, "TITLE", escaped(value), value.isEmpty());
    }
    if (changed(ContactRecord::Indirizzo) || changed(ContactRecord::Citta)) {
        const CityLine city = CityLine::split(now.value(ContactRecord::Citta));
        const bool empty = now.value(ContactRecord::Indirizzo).isEmpty() &&
                           now.value(ContactRecord::Citta).isEmpty();
        QStringList keep;  // post office box, extended address, country of the old address
        const int at = find(Slot::Adr);
        if (at >= 0)
            keep = VcardReader::components(
                QString::fromUtf8(lines[at].text.mid(lines[at].head.size() + 1)));
        QByteArray value = escaped(keep.value(0)) + ';' + escaped(keep.value(1)) + ';' +
                           escaped(now.value(ContactRecord::Indirizzo)) + ';' + escaped(city.town) +
                           ';' + escaped(city.province) + ';' + escaped(city.postalCode) + ';' +
                           escaped(keep.value(6));
        set(Slot::Adr, "ADR;TYPE=WORK", value, empty);
    }
    setField(Slot::Tel, "TEL;TYPE=WORK,VOICE", ContactRecord::Tel);
    setField(Slot::Fax, "TEL;TYPE=WORK,FAX", ContactRecord::Fax);
    setField(Slot::Cel, "TEL;TYPE=CELL", ContactRecord::Cel);
    setField(Slot::Email, "EMAIL;TYPE=INTERNET", ContactRecord::Email);
    setField(Slot::Url, "URL", ContactRecord::Web);
    setField(Slot::Note, "NOTE", ContactRecord::Informazioni);
    setField(Slot::Vat, VcardReader::kVatProperty, ContactRecord::Iva);

    QByteArray out;
    for (const Line &l : lines) {
        if (l.removed) continue;
        if (slotOf(l) == Slot::End)
            for (const QByteArray &a : added) VcardWriter::appendFolded(out, a);
        VcardWriter::appendFolded(out, l.text);
    }
    return out;
}
