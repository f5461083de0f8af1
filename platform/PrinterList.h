#pragma once

#include <QStringList>

// The system's print queues (the Printers collection).
class PrinterList {
public:
    static QStringList printers();
    // The system's default queue, or the first one, or empty when there is none.
    static QString defaultPrinter();
};
