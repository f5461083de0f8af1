#include "envelopes/MarginText.h"

#include "archive/ContactRecord.h"

QString MarginText::build(const QString &sign, const QString &centimetres,
                          const QString &millimetres) {
    return ContactRecord::trimBlanks(sign) + ContactRecord::trimBlanks(centimetres) + u',' +
           ContactRecord::trimBlanks(millimetres);
}

std::optional<double> MarginText::value(const QString &text) {
    const QString t = text.trimmed();
    qsizetype i = 0;
    bool negative = false;
    if (i < t.size() && (t.at(i) == u'+' || t.at(i) == u'-')) {
        negative = t.at(i) == u'-';
        ++i;
    }
    double whole = 0;
    double fraction = 0;
    int digits = 0;
    while (i < t.size() && t.at(i) >= u'0' && t.at(i) <= u'9') {
        whole = whole * 10 + (t.at(i).unicode() - '0');
        ++digits;
        ++i;
    }
    if (i < t.size() && t.at(i) == u',') {
        ++i;
        double scale = 0.1;
        while (i < t.size() && t.at(i) >= u'0' && t.at(i) <= u'9') {
            fraction += (t.at(i).unicode() - '0') * scale;
            scale /= 10;
            ++digits;
            ++i;
        }
    }
    if (digits == 0 || i != t.size()) return std::nullopt;
    const double v = whole + fraction;
    return negative ? -v : v;
}
