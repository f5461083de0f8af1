#include "cli/CliRegistry.h"

CliRegistry::Entry::Entry(const char *name, const char *usage, Handler handler) {
    commands()[QString::fromUtf8(name)] = Command{QString::fromUtf8(usage), std::move(handler)};
}

std::map<QString, CliRegistry::Command> &CliRegistry::commands() {
    static std::map<QString, Command> all;
    return all;
}

QString CliRegistry::usageText() {
    QString text =
        QStringLiteral("uso: cartaflex-cli [--folder CARTELLA] COMANDO [ARGOMENTI...]\n");
    for (const auto &[name, cmd] : commands()) text += QStringLiteral("  ") + cmd.usage + u'\n';
    text += QStringLiteral(
        "In list e show un TAB, un CR, un LF o una barra rovesciata dentro un valore sono "
        "scritti \\t, \\r, \\n, \\\\.\n");
    return text;
}
