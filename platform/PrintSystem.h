#pragma once

#include <QString>
#include <QStringList>
#include <memory>

class PageDevice;

// The system's printing: its print queues and the devices that draw on a queue or into a
// PDF file. The program and the terminal install the print library's implementation at
// start (QtPrintSystem); the logic asks only this, so it never needs Qt's print support.
class PrintSystem {
public:
    virtual ~PrintSystem();

    // The installed implementation; asking before one is installed ends the program with
    // a message. `install` takes ownership and drops the previous one.
    static PrintSystem &instance();
    static void install(PrintSystem *system);

    // The queues by name, in the system's order.
    virtual QStringList queues() const = 0;
    // The system's default queue, or the first one, or empty when there is none.
    virtual QString defaultQueue() const = 0;
    bool hasQueue(const QString &name) const { return queues().contains(name); }

    // A new device drawing on the named queue.
    virtual std::shared_ptr<PageDevice> queueDevice(const QString &queue) const = 0;
    // A new device writing a PDF file (every document of the job as further pages).
    virtual std::shared_ptr<PageDevice> pdfDevice(const QString &filePath) const = 0;
};
