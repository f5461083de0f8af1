#pragma once

#include <QString>
#include <functional>

#include "platform/Message.h"

class PrinterPage;

// Where a printout goes: a print queue by name, or a PDF file.
struct PrintTarget {
    QString queue;
    QString pdfPath;

    static PrintTarget toQueue(const QString &name) { return PrintTarget{name, QString()}; }
    static PrintTarget toPdf(const QString &path) { return PrintTarget{QString(), path}; }
    bool isPdf() const { return !pdfPath.isEmpty(); }
    bool operator==(const PrintTarget &o) const = default;
};

// Prints one job to a target. A queue becomes the program's current printer and gets
// its calibration from Cartaflex.ini; a PDF file is written as drawn, never calibrated.
// Afterwards the printer page goes back to its current printer.
class PrintToTarget {
public:
    // The job draws on the page and returns false when it failed.
    using Job = std::function<bool(PrinterPage &page)>;

    // False when the queue is not there, the file cannot be written or the job failed;
    // errorString() then says why.
    bool run(const PrintTarget &target, const Job &job);
    QString errorString() const { return m_error; }

    // The message of a printout that could not be printed (every printout shows it).
    static QString failureText();
    static QString failureTitle();
    // That message as the windows show it, with the reason in brackets when there is one.
    static Message failure(const QString &why = QString());

private:
    QString m_error;
};
