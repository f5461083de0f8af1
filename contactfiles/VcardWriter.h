#pragma once

#include <QByteArray>
#include <QString>

class ContactRecord;

// One contact as a vCard 3.0: FN, N and ORG from Persona o azienda, TITLE from
// Specialità, ADR from Indirizzo and Città ("47121 Forlì (FC)" split into its parts),
// TEL typed WORK,VOICE / WORK,FAX / CELL, EMAIL, URL, NOTE from Informazioni aggiuntive
// and the Partita IVA as X-PARTITA-IVA. UTF-8, lines folded at 75 bytes, CR LF.
class VcardWriter {
public:
    static QByteArray card(const ContactRecord &record);
    // The same, added at the end of `out`.
    static void appendCard(QByteArray &out, const ContactRecord &record);
    // Backslash, comma, semicolon and line breaks escaped, added to `line` in UTF-8.
    static void appendEscaped(QByteArray &line, const QString &value);
    // A content line folded into lines of at most 75 bytes (never inside a character),
    // each ended by CR LF, added to `out`.
    static void appendFolded(QByteArray &out, const QByteArray &line);
};
