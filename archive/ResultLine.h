#pragma once

#include <QByteArray>
#include <QString>

#include "archive/ContactRecord.h"

// The fixed-column text of one found contact in the search list: name padded to 30,
// three blanks, town padded (or cut) to 30, "   Tel.  ", telephone padded to 20,
// "   Cel.  ", mobile padded to 20, three blanks, then the e-mail address, trimmed.
// The first 124 characters are fixed columns. The hand-off rebuilds the same text to
// recognise the chosen contact, so both builders below must stay identical.
class ResultLine {
public:
    static constexpr int kFixedColumns = 124;

    static QString build(const ContactRecord &record);
    // The same line in Windows-1252 bytes, straight from a record's 1136 raw bytes
    // (one byte per character, so it decodes to exactly `build` of the decoded record).
    static QByteArray buildRaw(const char *record);
    // Writes the raw line into `out` (room for kMaxRawLength bytes); returns its length.
    static int buildRaw(const char *record, char *out);
    static constexpr int kMaxRawLength = kFixedColumns + 40;
};
