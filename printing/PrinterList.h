#pragma once

#include <QStringList>

// The system's print queues (the Printers collection).
class PrinterList {
public:
    // The queues by name, in the system's order.
    static QStringList printers();
    // The system's default queue, or the first one, or empty when there is none.
    static QString defaultPrinter();
    static bool contains(const QString &name) { return printers().contains(name); }

    // Tests: replace the system's queues by a fixed list (and its default), or go back
    // to the system's with `useSystem`.
    static void setFixed(const QStringList &names, const QString &defaultName = QString());
    static void useSystem();
};
