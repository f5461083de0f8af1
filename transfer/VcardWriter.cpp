#include "transfer/VcardWriter.h"

#include "archive/ContactRecord.h"
#include "transfer/CityLine.h"
#include "transfer/VcardReader.h"

QString VcardWriter::escape(const QString &value) {
    QString out;
    out.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value.at(i);
        if (c == u'\\' || c == u',' || c == u';') {
            out += u'\\';
            out += c;
        } else if (c == u'\r') {
            out += QLatin1String("\\n");
            if (i + 1 < value.size() && value.at(i + 1) == u'\n') ++i;
        } else if (c == u'\n') {
            out += QLatin1String("\\n");
        } else {
            out += c;
        }
    }
    return out;
}

QByteArray VcardWriter::fold(const QByteArray &line) {
    constexpr int kWidth = 75;
    if (line.size() <= kWidth) return line + "\r\n";
    QByteArray out;
    qsizetype at = 0;
    int room = kWidth;
    while (at < line.size()) {
        qsizetype end = std::min<qsizetype>(at + room, line.size());
        // Not inside a UTF-8 sequence: back up to the start of a character.
        while (end < line.size() && end > at &&
               (static_cast<unsigned char>(line.at(end)) & 0xC0) == 0x80)
            --end;
        if (at > 0) out += ' ';
        out += line.mid(at, end - at);
        out += "\r\n";
        at = end;
        room = kWidth - 1;
    }
    return out;
}

QByteArray VcardWriter::card(const ContactRecord &r) {
    auto value = [&](ContactRecord::Field f) { return escape(r.value(f)); };
    QByteArray out = "BEGIN:VCARD\r\nVERSION:3.0\r\n";
    auto add = [&](const char *head, const QString &v) {
        if (!v.isEmpty()) out += fold(QByteArray(head) + ':' + v.toUtf8());
    };
    const QString name = value(ContactRecord::Titolo);
    out += fold("FN:" + name.toUtf8());
    out += fold("N:" + name.toUtf8() + ";;;;");
    add("ORG", name);
    add("TITLE", value(ContactRecord::Sottotitolo));
    const CityLine city = CityLine::split(r.value(ContactRecord::Citta));
    if (!r.value(ContactRecord::Indirizzo).isEmpty() || !r.value(ContactRecord::Citta).isEmpty())
        add("ADR;TYPE=WORK", QStringLiteral(";;%1;%2;%3;%4;")
                                 .arg(value(ContactRecord::Indirizzo), escape(city.town),
                                      escape(city.province), escape(city.postalCode)));
    add("TEL;TYPE=WORK,VOICE", value(ContactRecord::Tel));
    add("TEL;TYPE=WORK,FAX", value(ContactRecord::Fax));
    add("TEL;TYPE=CELL", value(ContactRecord::Cel));
    add("EMAIL;TYPE=INTERNET", value(ContactRecord::Email));
    add("URL", value(ContactRecord::Web));
    add("NOTE", value(ContactRecord::Informazioni));
    add(VcardReader::kVatProperty, value(ContactRecord::Iva));
    out += "END:VCARD\r\n";
    return out;
}
