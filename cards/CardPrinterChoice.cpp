#include "cards/CardPrinterChoice.h"

#include <QDir>

#include "cards/CardPrintJob.h"
#include "platform/Platform.h"
#include "platform/PrinterList.h"
#include "platform/PrinterPage.h"
#include "platform/QPrinterPageDevice.h"

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
    return QStringLiteral(
        "Accertarsi che la stampante sia collegata al computer e che sia configurata "
        "correttamente.");
}

QString CardPrinterChoice::failureTitle() {
    return QStringLiteral("Impossibile eseguire la stampa");
}

void CardPrinterChoice::showFailure() {
    Platform::instance().messageBox(failureText(), failureTitle(), MsgIcon::Critical,
                                    MsgButtons::Ok);
}

CardPrinterChoice::Outcome CardPrinterChoice::print(const QString &entry, CardFormat format,
                                                    const CardContent &content, int pages) {
    PrinterPage &printer = PrinterPage::printer();
    CardPrintJob job;
    if (entry == pdfEntry()) {
        lastWasPdf() = true;
        if (pages <= 0) return Outcome::Printed;
        const QString path = Platform::instance().saveFileDialog(
            QStringLiteral("Cartaflex - Salvare i biglietti da visita in un file PDF"),
            {FileFilter{QStringLiteral("Documento PDF (*.pdf)"), QStringLiteral("*.pdf")}},
            QDir::home().filePath(QStringLiteral("Biglietti.pdf")));
        if (path.isEmpty()) return Outcome::Cancelled;
        printer.setDevice(std::make_shared<QPrinterPageDevice>(QPrinterPageDevice::forPdf(path)));
        bool ok = job.run(printer, format, content, pages);
        ok = printer.finishJob() && ok;
        printer.clearError();
        printer.useCurrentPrinter();
        if (!ok) {
            showFailure();
            return Outcome::Failed;
        }
        return Outcome::Printed;
    }
    lastWasPdf() = false;
    SelectPrinter(entry);  // a queue that is gone: the current printer prints
    if (!job.run(printer, format, content, pages)) {
        showFailure();
        return Outcome::Failed;
    }
    return Outcome::Printed;
}

void CardPrinterChoice::reset() {
    lastWasPdf() = false;
}
