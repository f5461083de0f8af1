#include "contactfiles/CityLine.h"

#include <algorithm>

#include "archive/ContactRecord.h"

namespace {

bool isProvince(const QString &s) {
    return s.size() == 2 && s.at(0).isLetter() && s.at(1).isLetter();
}

}  // namespace

QString CityLine::compose() const {
    QString out = ContactRecord::trimBlanks(postalCode);
    const QString t = ContactRecord::trimBlanks(town);
    if (!t.isEmpty()) out += (out.isEmpty() ? QString() : QStringLiteral(" ")) + t;
    const QString p = ContactRecord::trimBlanks(province);
    if (isProvince(p))
        out += (out.isEmpty() ? QString() : QStringLiteral(" ")) + u'(' + p.toUpper() + u')';
    return out;
}

CityLine CityLine::split(const QString &line) {
    // "[NNNNN ]town[ (PR)]", read from both ends; anything else is all town.
    auto digit = [](QChar c) { return c >= u'0' && c <= u'9'; };
    auto capital = [](QChar c) { return c >= u'A' && c <= u'Z'; };
    QStringView rest(line);
    CityLine parts;
    if (rest.size() >= 6 && std::all_of(rest.begin(), rest.begin() + 5, digit) && rest[5] == u' ') {
        parts.postalCode = rest.left(5).toString();
        rest = rest.mid(6);
    }
    const qsizetype n = rest.size();
    if (n >= 5 && rest[n - 5] == u' ' && rest[n - 4] == u'(' && capital(rest[n - 3]) &&
        capital(rest[n - 2]) && rest[n - 1] == u')') {
        parts.province = rest.mid(n - 3, 2).toString();
        rest.chop(5);
    }
    parts.town = rest.toString();
    if (parts.compose() == line && !parts.town.isEmpty()) return parts;
    parts = CityLine();
    parts.town = line;
    return parts;
}
