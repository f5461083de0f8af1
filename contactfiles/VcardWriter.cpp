#include "contactfiles/VcardWriter.h"

#include "archive/ContactRecord.h"
#include "contactfiles/CityLine.h"
#include "contactfiles/VcardReader.h"

void VcardWriter::appendEscaped(QByteArray &line, const QString &value) {
    // The escaped characters are ASCII, which no byte of a longer UTF-8 sequence is.
    const QByteArray bytes = value.toUtf8();
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const char c = bytes.at(i);
        if (c == '\\' || c == ',' || c == ';') {
            line += '\\';
            line += c;
        } else if (c == '\r') {
            line += "\\n";
            if (i + 1 < bytes.size() && bytes.at(i + 1) == '\n') ++i;
        } else if (c == '\n') {
            line += "\\n";
        } else {
            // The run up to the next character to escape, in one piece.
            qsizetype end = i + 1;
            while (end < bytes.size() && bytes.at(end) != '\\' && bytes.at(end) != ',' &&
                   bytes.at(end) != ';' && bytes.at(end) != '\r' && bytes.at(end) != '\n')
                ++end;
            line.append(bytes.constData() + i, end - i);
            i = end - 1;
        }
    }
}

void VcardWriter::appendFolded(QByteArray &out, const QByteArray &line) {
    constexpr int kWidth = 75;
    qsizetype at = 0;
    int room = kWidth;
    do {
        qsizetype end = std::min<qsizetype>(at + room, line.size());
        // Not inside a UTF-8 sequence: back up to the start of a character.
        while (end < line.size() && end > at &&
               (static_cast<unsigned char>(line.at(end)) & 0xC0) == 0x80)
            --end;
        if (at > 0) out += ' ';
        out.append(line.constData() + at, end - at);
        out += "\r\n";
        at = end;
        room = kWidth - 1;
    } while (at < line.size());
}

void VcardWriter::appendCard(QByteArray &out, const ContactRecord &r) {
    out += "BEGIN:VCARD\r\nVERSION:3.0\r\n";
    QByteArray line;
    // One property; an empty value writes none unless `always`.
    auto add = [&](const char *head, ContactRecord::Field f, bool always) {
        const QString v = r.value(f);
        if (v.isEmpty() && !always) return;
        line = head;
        line += ':';
        appendEscaped(line, v);
        appendFolded(out, line);
    };
    add("FN", ContactRecord::Titolo, true);
    // N: the name as family name, no other part.
    line = "N:";
    appendEscaped(line, r.value(ContactRecord::Titolo));
    line += ";;;;";
    appendFolded(out, line);
    add("ORG", ContactRecord::Titolo, false);
    add("TITLE", ContactRecord::Sottotitolo, false);
    if (!r.value(ContactRecord::Indirizzo).isEmpty() || !r.value(ContactRecord::Citta).isEmpty()) {
        const CityLine city = CityLine::split(r.value(ContactRecord::Citta));
        line = "ADR;TYPE=WORK:;;";
        appendEscaped(line, r.value(ContactRecord::Indirizzo));
        for (const QString *part : {&city.town, &city.province, &city.postalCode}) {
            line += ';';
            appendEscaped(line, *part);
        }
        line += ';';
        appendFolded(out, line);
    }
    add("TEL;TYPE=WORK,VOICE", ContactRecord::Tel, false);
    add("TEL;TYPE=WORK,FAX", ContactRecord::Fax, false);
    add("TEL;TYPE=CELL", ContactRecord::Cel, false);
    add("EMAIL;TYPE=INTERNET", ContactRecord::Email, false);
    add("URL", ContactRecord::Web, false);
    add("NOTE", ContactRecord::Informazioni, false);
    add(VcardReader::kVatProperty, ContactRecord::Iva, false);
    out += "END:VCARD\r\n";
}

QByteArray VcardWriter::card(const ContactRecord &record) {
    QByteArray out;
    appendCard(out, record);
    return out;
}
