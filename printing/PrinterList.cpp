#include "printing/PrinterList.h"

#include <QPrinterInfo>
#include <optional>

namespace {

struct FixedList {
    QStringList names;
    QString defaultName;
};

std::optional<FixedList> &fixedList() {
    static std::optional<FixedList> list;
    return list;
}

}  // namespace

QStringList PrinterList::printers() {
    if (fixedList()) return fixedList()->names;
    return QPrinterInfo::availablePrinterNames();
}

QString PrinterList::defaultPrinter() {
    const QStringList all = printers();
    const QString name =
        fixedList() ? fixedList()->defaultName : QPrinterInfo::defaultPrinterName();
    if (!name.isEmpty() && all.contains(name)) return name;
    return all.isEmpty() ? QString() : all.first();
}

void PrinterList::setFixed(const QStringList &names, const QString &defaultName) {
    fixedList() = FixedList{names, defaultName};
}

void PrinterList::useSystem() {
    fixedList().reset();
}
