#include "archive/ResultLine.h"

#include <cstring>

namespace {

QString padded(const QString &value, int width) {
    QString s = ContactRecord::trimBlanks(value).left(width);
    if (s.size() < width) s.append(QString(width - s.size(), u' '));
    return s;
}

// The field's bytes without leading and trailing blanks.
std::pair<const char *, int> trimmedField(const char *record, ContactRecord::Field f) {
    const char *p = record + ContactRecord::offset(f);
    int b = 0;
    int e = ContactRecord::width(f);
    while (b < e && p[b] == ' ') ++b;
    while (e > b && p[e - 1] == ' ') --e;
    return {p + b, e - b};
}

char *putPadded(char *out, const char *record, ContactRecord::Field f, int width) {
    auto [p, n] = trimmedField(record, f);
    if (n > width) n = width;
    std::memcpy(out, p, size_t(n));
    std::memset(out + n, ' ', size_t(width - n));
    return out + width;
}

char *putText(char *out, const char *text) {
    const size_t n = std::strlen(text);
    std::memcpy(out, text, n);
    return out + n;
}

}  // namespace

QString ResultLine::build(const ContactRecord &r) {
    QString line;
    line.reserve(kMaxRawLength);
    line += padded(r.value(ContactRecord::Titolo), 30);
    line += QLatin1String("   ");
    line += padded(r.value(ContactRecord::Citta), 30);
    line += QLatin1String("   Tel.  ");
    line += padded(r.value(ContactRecord::Tel), 20);
    line += QLatin1String("   Cel.  ");
    line += padded(r.value(ContactRecord::Cel), 20);
    line += QLatin1String("   ");
    line += ContactRecord::trimBlanks(r.value(ContactRecord::Email));
    return line;
}

int ResultLine::buildRaw(const char *record, char *out) {
    char *o = out;
    o = putPadded(o, record, ContactRecord::Titolo, 30);
    o = putText(o, "   ");
    o = putPadded(o, record, ContactRecord::Citta, 30);
    o = putText(o, "   Tel.  ");
    o = putPadded(o, record, ContactRecord::Tel, 20);
    o = putText(o, "   Cel.  ");
    o = putPadded(o, record, ContactRecord::Cel, 20);
    o = putText(o, "   ");
    auto [p, n] = trimmedField(record, ContactRecord::Email);
    std::memcpy(o, p, size_t(n));
    o += n;
    return int(o - out);
}

QByteArray ResultLine::buildRaw(const char *record) {
    char buf[kMaxRawLength];
    return QByteArray(buf, buildRaw(record, buf));
}
