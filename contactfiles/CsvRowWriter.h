#pragma once

#include <QByteArray>
#include <QStringList>

// One row of a CSV file in the form spreadsheet programs set to Italian read: fields
// separated by ";", a field quoted (with its quotes doubled) when it holds the separator,
// a quote, a line break or blanks at either end, the row ended by CR LF; UTF-8.
class CsvRowWriter {
public:
    static constexpr char kSeparator = ';';
    static QByteArray row(const QStringList &fields);
    static QByteArray field(const QString &value);
    // The same, added at the end of `out`.
    static void appendField(QByteArray &out, const QString &value);
    static void endRow(QByteArray &out) { out += "\r\n"; }
};
