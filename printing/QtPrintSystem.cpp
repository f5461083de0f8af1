#include "printing/QtPrintSystem.h"

#include "printing/PrinterList.h"
#include "printing/QPrinterPageDevice.h"

QStringList QtPrintSystem::queues() const {
    return PrinterList::printers();
}

QString QtPrintSystem::defaultQueue() const {
    return PrinterList::defaultPrinter();
}

std::shared_ptr<PageDevice> QtPrintSystem::queueDevice(const QString &queue) const {
    return std::make_shared<QPrinterPageDevice>(QPrinterPageDevice::forQueue(queue));
}

std::shared_ptr<PageDevice> QtPrintSystem::pdfDevice(const QString &filePath) const {
    return std::make_shared<QPrinterPageDevice>(QPrinterPageDevice::forPdf(filePath));
}
