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
