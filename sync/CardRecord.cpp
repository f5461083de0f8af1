#include "sync/CardRecord.h"

#include <QBuffer>
#include <QCryptographicHash>

#include "contactfiles/VcardReader.h"
#include "contactfiles/VcardWriter.h"

ContactRecord CardRecord::synced(const ContactRecord &record) {
    ContactRecord out = record.normalized();
    for (auto f : {ContactRecord::Logo01, ContactRecord::Logo02, ContactRecord::Logo03})
        out.setValue(f, QString());
    return out;
}

QByteArray CardRecord::fingerprint(const ContactRecord &record) {
    return QCryptographicHash::hash(synced(record).encode(), QCryptographicHash::Sha256)
        .toHex()
        .left(24);
}

bool CardRecord::fromCard(const QByteArray &vcard, ContactRecord &record) {
    QByteArray bytes = vcard;
    QBuffer in(&bytes);
    in.open(QIODevice::ReadOnly);
    VcardReader reader;
    bool got = false;
    const bool ok = reader.read(in, TextEncoding::Utf8, [&](const ContactDraft &draft) {
        record = synced(draft.toRecord());
        got = true;
        return false;  // the first card only
    });
    return (ok || got) && got;
}

QByteArray CardRecord::newCard(const ContactRecord &record, const QString &uid) {
    QByteArray card = VcardWriter::card(synced(record));
    QByteArray line = "UID:";
    VcardWriter::appendEscaped(line, uid);
    QByteArray folded;
    VcardWriter::appendFolded(folded, line);
    const qsizetype at = card.indexOf("\r\n", card.indexOf("VERSION:")) + 2;
    card.insert(at, folded);
    return card;
}

QString CardRecord::uidOf(const QByteArray &vcard) {
    // Unfolded lines; the first UID property.
    QByteArray text = vcard;
    text.replace("\r\n ", "").replace("\r\n\t", "").replace("\n ", "").replace("\n\t", "");
    for (const QByteArray &raw : text.split('\n')) {
        const QByteArray line = raw.trimmed();
        const qsizetype colon = line.indexOf(':');
        if (colon < 0) continue;
        QByteArray name = line.left(colon);
        const qsizetype semicolon = name.indexOf(';');
        if (semicolon >= 0) name.truncate(semicolon);
        const qsizetype dot = name.indexOf('.');
        if (dot >= 0) name = name.mid(dot + 1);
        if (name.toUpper() == "UID")
            return VcardReader::unescape(QString::fromUtf8(line.mid(colon + 1)));
    }
    return QString();
}
