#include "cli/CliIo.h"

#include <cstdio>

#include "cli/CliRegistry.h"

void CliIo::out(const QString &line) {
    const QByteArray bytes = (line + u'\n').toUtf8();
    std::fwrite(bytes.constData(), 1, bytes.size(), stdout);
}

void CliIo::err(const QString &line) {
    QString text = line;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    const QByteArray bytes = (text + u'\n').toUtf8();
    std::fwrite(bytes.constData(), 1, bytes.size(), stderr);
}

int CliIo::usage(const QString &message) {
    if (!message.isEmpty()) err(message);
    err(CliRegistry::usageText());
    return 2;
}

int CliIo::fail(const QString &message) {
    err(message);
    return 1;
}

QString CliIo::oneLine(const QString &value) {
    QString out;
    out.reserve(value.size());
    for (QChar c : value) {
        switch (c.unicode()) {
            case u'\t':
                out += QLatin1String("\\t");
                break;
            case u'\r':
                out += QLatin1String("\\r");
                break;
            case u'\n':
                out += QLatin1String("\\n");
                break;
            case u'\\':
                out += QLatin1String("\\\\");
                break;
            default:
                out += c;
        }
    }
    return out;
}
