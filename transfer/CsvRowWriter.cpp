#include "transfer/CsvRowWriter.h"

QByteArray CsvRowWriter::field(const QString &value) {
    QByteArray v = value.toUtf8();
    const bool quote = v.contains(kSeparator) || v.contains('"') || v.contains('\n') ||
                       v.contains('\r') || v.startsWith(' ') || v.endsWith(' ');
    if (!quote) return v;
    v.replace("\"", "\"\"");
    return '"' + v + '"';
}

QByteArray CsvRowWriter::row(const QStringList &fields) {
    QByteArray out;
    for (qsizetype i = 0; i < fields.size(); ++i) {
        if (i > 0) out += kSeparator;
        out += field(fields.at(i));
    }
    out += "\r\n";
    return out;
}
