#pragma once

#include <QString>

#include "archive/ContactRecord.h"

// The columns of the contact list, in order: the record number, then seven fields of the
// record. The filter looks at the seven fields; the telephone columns also match their
// digits with the blanks left out.
class ListColumns {
public:
    enum Column { Number, Titolo, Sottotitolo, Citta, Tel, Cel, Email, Iva, Count };
    // The fields shown, one per column after the number.
    static constexpr int kFieldColumns = Count - 1;

    static QString title(Column column);
    // The record field of a column (FieldCount for the number).
    static ContactRecord::Field field(Column column);
    static bool isPhone(Column column) { return column == Tel || column == Cel; }
};
