#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include "contactfiles/ContactFileReader.h"

// A file of vCards 2.1, 3.0 or 4.0, one or many: folded lines, quoted-printable values
// with soft line breaks and CHARSET= (as phones write 2.1), escaped "\," "\;" "\n", bare
// and TYPE= types. FN, N, ORG, TITLE, ADR, TEL, EMAIL, URL, NOTE and X-PARTITA-IVA are
// read; pictures, sounds and keys are skipped; a card inside a card (AGENT) is ignored.
// A card without END:VCARD or text outside the cards makes the file unsound.
class VcardReader : public ContactFileReader {
public:
    static constexpr const char *kVatProperty = "X-PARTITA-IVA";

    bool read(QIODevice &in, TextEncoding::Kind encoding, const Visitor &visit,
              const Progress &progress = {}) override;

    // A text value with "\n", "\," "\;" and "\\" undone.
    static QString unescape(const QString &value);
    // The components of a structured value (N, ADR, ORG), split at unescaped ";" and
    // unescaped.
    static QStringList components(const QString &value);
    // Quoted-printable bytes decoded.
    static QByteArray decodeQuotedPrintable(const QByteArray &value);

private:
    // The types that decide where a value goes; other types are not kept.
    enum TypeFlag : unsigned { kWork = 1, kFax = 2, kCell = 4 };
    static unsigned typeFlag(QByteArrayView type);

    // The properties read; Other for every one skipped.
    enum class Name {
        Other,
        Begin,
        End,
        Agent,
        Picture,
        Version,
        Fn,
        N,
        Org,
        Title,
        Adr,
        Tel,
        Email,
        Url,
        Note,
        Vat
    };
    static Name nameOf(QByteArrayView name);

    struct Property {
        Name name = Name::Other;
        unsigned types = 0;   // the TypeFlag of each type read
        QByteArray encoding;  // upper case
        QByteArray charset;   // lower case
        bool uri = false;     // VALUE=uri
        QByteArray value;
    };

    // One logical line; false when the file is unsound.
    bool line(const QByteArray &text);
    bool property(const Property &p);
    QString text(const Property &p) const;

    TextEncoding::Kind m_encoding = TextEncoding::Utf8;
    const Visitor *m_visit = nullptr;
    bool m_stop = false;
    int m_depth = 0;
    int m_lineNumber = 0;    // of the physical line being read
    int m_logicalStart = 0;  // of the logical line being read
    int m_cardStart = 0;
    bool m_workAddress = false;  // the address taken is the work one
    bool m_haveAddress = false;
    bool m_version4 = false;  // the card says VERSION:4.0
    ContactDraft m_card;
};
