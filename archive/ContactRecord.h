#pragma once

#include <QByteArray>
#include <QString>
#include <array>

// One contact of the archive: fourteen fixed-width fields, 1136 bytes on disk,
// blank-padded Windows-1252 text with nothing between the fields.
class ContactRecord {
public:
    enum Field {
        Titolo,
        Sottotitolo,
        Indirizzo,
        Citta,
        Iva,
        Tel,
        Fax,
        Cel,
        Email,
        Informazioni,
        Web,
        Logo01,
        Logo02,
        Logo03,
        FieldCount
    };

    static constexpr int kRecordLength = 1136;

    static int width(Field f);
    static int offset(Field f);
    // The field's name as the code spells it ("Titolo", ..., "Logo03").
    static QString fieldName(Field f);
    // The field whose name is `name` (exact spelling), or FieldCount.
    static Field fieldFromName(const QString &name);

    QString value(Field f) const { return m_values[f]; }
    // Values are kept as given; trimming and cutting happen when the record is encoded.
    void setValue(Field f, const QString &v) { m_values[f] = v; }

    QString titolo() const { return m_values[Titolo]; }

    // Exactly kRecordLength bytes: each value trimmed of blanks, encoded, cut to its
    // width and padded with blanks.
    QByteArray encode() const;
    // Reads kRecordLength bytes at `data` and trims each field of blanks.
    static ContactRecord decode(const char *data);
    static ContactRecord decode(const QByteArray &bytes);

    // The record as it reads back after a round trip through the file.
    ContactRecord normalized() const { return decode(encode()); }

    bool operator==(const ContactRecord &other) const { return m_values == other.m_values; }

    // Removes leading and trailing blanks (0x20) only; tabs and other characters stay.
    static QString trimBlanks(const QString &s);

private:
    std::array<QString, FieldCount> m_values;
};
