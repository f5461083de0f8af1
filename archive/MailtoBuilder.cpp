#include "archive/MailtoBuilder.h"

namespace {

// Characters written as they are: the unreserved set of URIs plus "@" and the other
// characters a mailto request allows unencoded in a value ("," separates addresses).
// "&", "=", "?", "#", "%", "+", "/", blanks and line breaks are always encoded.
bool keptAsIs(char c) {
    if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')) return true;
    switch (c) {
        case '-':
        case '.':
        case '_':
        case '~':
        case '@':
        case '!':
        case '$':
        case '\'':
        case '(':
        case ')':
        case '*':
        case ';':
        case ':':
        case ',':
            return true;
        default:
            return false;
    }
}

QString encode(const QString &value) {
    static const char *hex = "0123456789ABCDEF";
    const QByteArray utf8 = value.toUtf8();
    QString out;
    out.reserve(utf8.size());
    for (char ch : utf8) {
        if (keptAsIs(ch)) {
            out += QLatin1Char(ch);
        } else {
            const auto b = static_cast<unsigned char>(ch);
            out += u'%';
            out += QLatin1Char(hex[b >> 4]);
            out += QLatin1Char(hex[b & 0x0F]);
        }
    }
    return out;
}

// A body's line breaks, whatever their form, become CR LF.
QString normaliseLineBreaks(const QString &body) {
    QString s = body;
    s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    s.replace(u'\r', u'\n');
    s.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    return s;
}

}  // namespace

QString MailtoBuilder::encodeValue(const QString &value, bool isBody) {
    return encode(isBody ? normaliseLineBreaks(value) : value);
}

QString MailtoBuilder::encodeAddress(const QString &address) {
    return encode(address);
}

QString MailtoBuilder::build(const QString &recipient, const QString &subject, const QString &body,
                             const QString &copy, const QString &blindCopy) {
    QString list;
    if (!subject.isEmpty()) list += QStringLiteral("&Subject=") + encodeValue(subject);
    if (!body.isEmpty()) list += QStringLiteral("&Body=") + encodeValue(body, true);
    if (!copy.isEmpty()) list += QStringLiteral("&CC=") + encodeAddress(copy);
    if (!blindCopy.isEmpty()) list += QStringLiteral("&BCC=") + encodeAddress(blindCopy);
    if (!list.isEmpty()) list[0] = u'?';
    return QStringLiteral("mailto:") + encodeAddress(recipient) + list;
}

QString MailtoBuilder::greeting(const QString &name) {
    QString trimmed = name;
    while (trimmed.startsWith(u' ')) trimmed.remove(0, 1);
    while (trimmed.endsWith(u' ')) trimmed.chop(1);
    if (trimmed.isEmpty()) return QStringLiteral("Salve,");
    return QStringLiteral("Spett.le ") + trimmed + u',';
}

QString MailtoBuilder::forContact(const QString &name, const QString &address) {
    return build(address, QString(), greeting(name), QString(), QString());
}
