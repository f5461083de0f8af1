#include "transfer/CityLine.h"

#include <QRegularExpression>

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
    static const QRegularExpression form(
        QStringLiteral("^(?:(\\d{5}) )?(.*?)(?: \\(([A-Z]{2})\\))?$"));
    CityLine parts;
    const QRegularExpressionMatch m = form.match(line);
    if (m.hasMatch()) {
        parts.postalCode = m.captured(1);
        parts.town = m.captured(2);
        parts.province = m.captured(3);
        if (parts.compose() == line && !parts.town.isEmpty()) return parts;
    }
    parts = CityLine();
    parts.town = line;
    return parts;
}
