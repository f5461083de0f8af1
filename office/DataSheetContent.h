#pragma once

#include <QString>
#include <QStringList>
#include <array>

class ContactRecord;

// What the word-processor data sheet of one contact shows: the name that heads it, the
// ten values of its table (Sottotitolo to Web, in table order) and the path of the
// large-card logo. The values are taken as they stand; the sheet trims them.
struct DataSheetContent {
    static constexpr int kRows = 10;

    QString titolo;
    std::array<QString, kRows> values;
    QString logoPath;

    // The labels of the table's first column, row by row.
    static QStringList labels();
    static DataSheetContent fromRecord(const ContactRecord &record);
};
