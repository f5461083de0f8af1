#include "labels/SeriesPrint.h"

#include <QDir>
#include <memory>

#include "archive/ArchiveStore.h"
#include "archive/SettingsFile.h"
#include "envelopes/EnvelopeContent.h"
#include "envelopes/EnvelopeSettings.h"
#include "envelopes/SenderLogo.h"
#include "labels/EnvelopeSeries.h"
#include "labels/LabelJob.h"
#include "labels/LabelMessages.h"
#include "platform/HourglassCursor.h"
#include "platform/Platform.h"
#include "platform/PrinterList.h"
#include "platform/PrinterPage.h"
#include "platform/QPrinterPageDevice.h"

QString SeriesPrint::pdfEntry() {
    return QStringLiteral("Salva come file PDF");
}

QStringList SeriesPrint::entries() {
    return PrinterList::printers() << pdfEntry();
}

QString SeriesPrint::preselected() {
    const QString current = PrinterPage::printer().currentPrinter();
    return PrinterList::contains(current) ? current : pdfEntry();
}

QString SeriesPrint::failureTitle() {
    return QStringLiteral("Impossibile eseguire la stampa");
}

QString SeriesPrint::failureText(const QString &why) {
    QString text = QStringLiteral(
        "Accertarsi che la stampante sia collegata al computer e che sia configurata "
        "correttamente.");
    if (!why.isEmpty()) text += QStringLiteral("\r\n\r\n(") + why + u')';
    return text;
}

QString SeriesPrint::prepare(const ContactSelection &selection, SelectionScan &scan) {
    ArchiveStore store;
    const QString refused = selection.check(store);
    if (!refused.isEmpty()) return refused;
    scan = SelectionScan::run(store, selection);
    if (!scan.readOk)
        return QStringLiteral("Impossibile leggere l'archivio %1: %2")
            .arg(store.archivePath(), store.errorString());
    if (scan.printable == 0) return QString::fromUtf8(LabelMessages::kNoAddressText);
    return QString();
}

SeriesPrint::Outcome SeriesPrint::print(const Request &request, const SelectionScan &scan,
                                        const ProgressCallback &progress) {
    Platform &platform = Platform::instance();
    if (scan.printable <= 0) {
        platform.messageBox(QString::fromUtf8(LabelMessages::kNoAddressText),
                            QString::fromUtf8(LabelMessages::kTitle), MsgIcon::Exclamation,
                            MsgButtons::Ok);
        return Outcome::Refused;
    }
    PrinterPage &page = PrinterPage::printer();
    const bool pdf = request.entry == pdfEntry();
    if (pdf) {
        const bool labels = request.kind == Kind::Labels;
        const QString path = platform.saveFileDialog(
            labels ? QStringLiteral("Cartaflex - Salvare le etichette in un file PDF")
                   : QStringLiteral("Cartaflex - Salvare le buste in un file PDF"),
            {FileFilter{QStringLiteral("Documento PDF (*.pdf)"), QStringLiteral("*.pdf")}},
            QDir::home().filePath(labels ? QStringLiteral("Etichette.pdf")
                                         : QStringLiteral("Buste.pdf")));
        if (path.isEmpty()) return Outcome::Cancelled;
        page.setDevice(std::make_shared<QPrinterPageDevice>(QPrinterPageDevice::forPdf(path)));
    } else if (!page.selectPrinter(request.entry)) {
        // A queue that is gone: the current printer prints, as for the card sheets.
        page.device();
    }

    SeriesResult result;
    {
        HourglassCursor hourglass;
        ArchiveStore store;
        if (request.kind == Kind::Labels) {
            result = LabelJob::run(page, store, request.selection, request.layout,
                                   request.firstLabel, scan.printable, progress);
        } else {
            EnvelopeContent content = EnvelopeContent::design();
            EnvelopeSettings::load(content, SettingsFile(), SenderLogo::programFilePath());
            result = EnvelopeSeries::run(page, store, request.selection, content, scan.printable,
                                         progress);
        }
        if (!page.finishJob() && result.ok) {
            result.ok = false;
            result.error = page.errorString();
        }
        page.clearError();
        if (pdf) page.useCurrentPrinter();
    }
    if (!result.ok) {
        platform.beep();
        platform.messageBox(failureText(result.error), failureTitle(), MsgIcon::Critical,
                            MsgButtons::Ok);
        return Outcome::Failed;
    }
    return result.cancelled ? Outcome::Cancelled : Outcome::Printed;
}
