#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// The filter of the contact list, shared by the list window and `cartaflex-cli list
// --filter`: every word of the text (words are separated by blanks) must occur in one of
// the shown fields, without regard to case or accents ("niccolo forli" keeps "Niccolò …
// Forlì"); in the telephone fields a word also matches the digits with the blanks and
// separators left out ("054372" keeps "0543 720012"). An empty text keeps every record.
class ListFilter {
public:
    explicit ListFilter(const QString &text = QString());

    bool isEmpty() const { return m_words.isEmpty() && !m_impossible; }
    // The text as the filter reads it (blanks trimmed and runs of blanks made one).
    QString text() const { return m_text; }

    // Whether a record's FilterText (`size` bytes at `text`, of which the first
    // `firstPart` are the seven fields) is kept.
    bool matches(const char *text, int firstPart, int size) const;
    // The same for a raw record of the archive.
    bool matchesRecord(const char *raw) const;

    // True when every record this filter keeps is also kept by `wider` (the text was only
    // typed on at its end), so only the records `wider` kept need looking at again.
    bool narrows(const ListFilter &wider) const;

private:
    struct Word {
        QByteArray plain;  // folded, in the archive's bytes
        QByteArray phone;  // the same without telephone separators (may be empty)
    };
    QString m_text;
    QList<Word> m_words;
    bool m_impossible = false;  // a word holds a character no record can hold
};
