#pragma once

// Folder cli/: cartaflex-cli, the terminal front end over the same logic.

#include <QString>
#include <QStringList>
#include <functional>
#include <map>

// The commands of cartaflex-cli. Each command file registers its commands with a static
// CliRegistry::Entry; main() looks the command up and runs it.
// A handler gets the arguments after the command name and returns the exit status:
// 0 success, 1 refused or failed, 2 usage error.
class CliRegistry {
public:
    using Handler = std::function<int(const QStringList &args)>;
    struct Command {
        QString usage;
        Handler handler;
    };

    struct Entry {
        Entry(const char *name, const char *usage, Handler handler);
    };

    static std::map<QString, Command> &commands();
    static QString usageText();
};
