#pragma once

#include "platform/PrintSystem.h"

// Printing through Qt's print support: the queues of PrinterList, QPrinter devices.
class QtPrintSystem : public PrintSystem {
public:
    QStringList queues() const override;
    QString defaultQueue() const override;
    std::shared_ptr<PageDevice> queueDevice(const QString &queue) const override;
    std::shared_ptr<PageDevice> pdfDevice(const QString &filePath) const override;
};
