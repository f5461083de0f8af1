#pragma once

#include <QString>

// Standard output and standard error of the terminal front end, in UTF-8.
class CliIo {
public:
    static void out(const QString &line);  // one line, newline added
    static void err(const QString &line);
    // Usage error: prints the message and the usage text, returns 2.
    static int usage(const QString &message);
    // Refused or failed: prints the program's message, returns 1.
    static int fail(const QString &message);
    // A field value on one line: TAB, CR, LF and the backslash become \t, \r, \n, \\.
    static QString oneLine(const QString &value);
};
