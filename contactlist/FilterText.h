#pragma once

#include <QByteArray>

#include "contactlist/FieldBytes.h"

// What the list's filter reads of one record, straight from its raw bytes: the seven shown
// fields trimmed and folded (lower case, no accents, one byte per byte), each followed by
// a zero byte; then the two telephone fields folded again without their blanks and
// separators (" ", ".", "-", "/"), each followed by a zero byte. A filter word holds no
// zero byte, so it can only match inside one field.
class FilterText {
public:
    // Appends the text of the record at `raw` to `out`; returns the length of its first
    // part (the seven fields with their zero bytes).
    static int append(const char *raw, QByteArray &out);
    // The same from the record's shown fields.
    static int append(const FieldBytes::Shown &fields, QByteArray &out);

    // True for the characters a telephone number is read without.
    static bool isPhoneSeparator(char c) { return c == ' ' || c == '.' || c == '-' || c == '/'; }
};
