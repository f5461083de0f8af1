#pragma once

#include <QString>

// The record number a browsing window shows, kept as the text of its position label:
// a leading blank where a sign would be, then the digits (" 3"); empty for a new contact.
class PositionLabel {
public:
    static QString text(int number);
    // Numeric value of a label text: leading blanks skipped, then the leading digits;
    // an empty or non-numeric text is 0.
    static int value(const QString &labelText);
};
