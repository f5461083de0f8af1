#include "contactfiles/CsvRowWriter.h"

void CsvRowWriter::appendField(QByteArray &out, const QString &value) {
    const QByteArray v = value.toUtf8();
    bool quote = !v.isEmpty() && (v.front() == ' ' || v.back() == ' ');
    for (qsizetype i = 0; !quote && i < v.size(); ++i) {
        const char c = v.at(i);
        quote = c == kSeparator || c == '"' || c == '\n' || c == '\r';
    }
    if (!quote) {
        out += v;
        return;
    }
    out += '"';
    for (char c : v) {
        if (c == '"') out += '"';
        out += c;
    }
    out += '"';
}

QByteArray CsvRowWriter::field(const QString &value) {
    QByteArray out;
    appendField(out, value);
    return out;
}

QByteArray CsvRowWriter::row(const QStringList &fields) {
    QByteArray out;
    for (qsizetype i = 0; i < fields.size(); ++i) {
        if (i > 0) out += kSeparator;
        appendField(out, fields.at(i));
    }
    endRow(out);
    return out;
}
