#pragma once

#include <QString>

// The provincial VAT offices, keyed by the three characters at positions 8 to 10 of a
// partita IVA: "001" to "102" without gaps, then "120" and "121".
class VatOffices {
public:
    static constexpr int kRowCount = 104;

    // The office of that code (exact, case-sensitive text), or the empty text.
    static QString name(const QString &code);
    // Row i of the table (0-based), in the order it is searched.
    static QString codeAt(int row);
    static QString nameAt(int row);
};
