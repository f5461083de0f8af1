#include "archive/WebAddress.h"

#include "archive/ContactRecord.h"

namespace {

bool startsWithScheme(const QString &text) {
    return text.startsWith(QLatin1String("http://")) ||
           text.startsWith(QLatin1String("https://")) || text.startsWith(QLatin1String("ftp://"));
}

}  // namespace

bool WebAddress::hasKnownPrefix(const QString &text) {
    return text.left(7) == QLatin1String("http://") || text.left(6) == QLatin1String("ftp://") ||
           text.left(4) == QLatin1String("www.") || text.left(8) == QLatin1String("https://");
}

QString WebAddress::completed(const QString &text) {
    const QString trimmed = ContactRecord::trimBlanks(text);
    if (trimmed.isEmpty() || hasKnownPrefix(trimmed)) return trimmed;
    return QStringLiteral("http://") + trimmed;
}

QString WebAddress::visitText(const QString &text) {
    // Blanks typed before the prefix do not hide it ("  https://x" is not "http://https://x").
    const QString trimmed = ContactRecord::trimBlanks(text);
    if (hasKnownPrefix(trimmed)) return trimmed;
    return ContactRecord::trimBlanks(QStringLiteral("http://") + trimmed);
}

QString WebAddress::shellUrl(const QString &visitText) {
    QString url = ContactRecord::trimBlanks(visitText);
    if (url.startsWith(QLatin1String("www."))) url.prepend(QStringLiteral("http://"));
    if (!startsWithScheme(url)) return QString();
    // Nothing after the scheme, or control characters (a line break could start a second
    // command line in some openers): not an address.
    const qsizetype schemeEnd = url.indexOf(QLatin1String("://")) + 3;
    if (url.size() <= schemeEnd) return QString();
    for (QChar c : url)
        if (c.unicode() < 0x20 || c.unicode() == 0x7F) return QString();
    return url;
}
