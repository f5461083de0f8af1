#include "platform/PrinterList.h"

#include <QPrinterInfo>

QStringList PrinterList::printers() {
    return QPrinterInfo::availablePrinterNames();
}

QString PrinterList::defaultPrinter() {
    const QString name = QPrinterInfo::defaultPrinterName();
    if (!name.isEmpty()) return name;
    const QStringList all = printers();
    return all.isEmpty() ? QString() : all.first();
}
