#include "cards/CardPrinterChoice.h"

#include <QDir>

#include "cards/CardPrintJob.h"
#include "platform/Platform.h"
#include "platform/PrinterList.h"
#include "platform/PrinterPage.h"
#include "printing/PrintTarget.h"

namespace {

bool &lastWasPdf() {
    static bool pdf = false;
    return pdf;
}

}  // namespace

QString CardPrinterChoice::pdfEntry() {
    return QStringLiteral("Salva come file PDF");
}

QStringList CardPrinterChoice::entries() {
    return PrinterList::printers() << pdfEntry();
}

QString CardPrinterChoice::preselected() {
    if (lastWasPdf()) return pdfEntry();
    const QString current = PrinterPage::printer().currentPrinter();
    return PrinterList::contains(current) ? current : QString();
}

bool CardPrinterChoice::SelectPrinter(const QString &name) {
    const QStringList queues = PrinterList::printers();
    if (queues.isEmpty()) return false;
    for (const QString &q : queues)
        if (q == name) return PrinterPage::printer().selectPrinter(q);
    return false;
}

QString CardPrinterChoice::failureText() {
    return PrintToTarget::failureText();
}

QString CardPrinterChoice::failureTitle() {
    return PrintToTarget::failureTitle();
}

void CardPrinterChoice::showFailure() {
    Platform::instance().messageBox(failureText(), failureTitle(), MsgIcon::Critical,
                                    MsgButtons::Ok);
}

std::optional<PrintTarget> CardPrinterChoice::targetOf(const QString &entry) {
    if (entry == pdfEntry()) {
        const QString path = Platform::instance().saveFileDialog(
            QStringLiteral("Cartaflex - Salvare i biglietti da visita in un file PDF"),
            {FileFilter{QStringLiteral("Documento PDF (*.pdf)"), QStringLiteral("*.pdf")}},
            QDir::home().filePath(QStringLiteral("Biglietti.pdf")));
        if (path.isEmpty()) return std::nullopt;
        return PrintTarget::toPdf(path);
    }
    // A queue that is gone: the current printer prints.
    if (!PrinterList::contains(entry))
        return PrintTarget::toQueue(PrinterPage::printer().currentPrinter());
    return PrintTarget::toQueue(entry);
}

CardPrinterChoice::Outcome CardPrinterChoice::print(const QString &entry, CardFormat format,
                                                    const CardContent &content, int pages,
                                                    const CardPrintJob::Range &range) {
    lastWasPdf() = entry == pdfEntry();
    if (lastWasPdf() && CardPrintJob::sheetsOf(format, range, pages) <= 0) return Outcome::Printed;
    const auto target = targetOf(entry);
    if (!target) return Outcome::Cancelled;
    PrintToTarget print;
    const bool ok = print.run(*target, [&](PrinterPage &page) {
        CardPrintJob job;
        return job.run(page, format, content, pages, range);
    });
    if (!ok) {
        showFailure();
        return Outcome::Failed;
    }
    return Outcome::Printed;
}

void CardPrinterChoice::reset() {
    lastWasPdf() = false;
}
