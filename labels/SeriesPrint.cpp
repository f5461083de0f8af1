#include "labels/SeriesPrint.h"

#include "archive/ArchiveStore.h"
#include "archive/SettingsFile.h"
#include "envelopes/EnvelopeContent.h"
#include "envelopes/EnvelopeSettings.h"
#include "envelopes/SenderLogo.h"
#include "labels/EnvelopeSeries.h"
#include "labels/LabelJob.h"
#include "labels/LabelMessages.h"
#include "labels/LabelSheetPrinter.h"
#include "printing/PrinterPage.h"

namespace {

Message refusal(const QString &text) {
    return Message{text, QString::fromUtf8(LabelMessages::kTitle), MsgIcon::Exclamation,
                   MsgButtons::Ok, false};
}

}  // namespace

Message SeriesPrint::prepare(const ContactSelection &selection, SelectionScan &scan) {
    ArchiveStore store;
    const QString refused = selection.check(store);
    if (!refused.isEmpty()) return refusal(refused);
    scan = SelectionScan::run(store, selection);
    if (!scan.readOk)
        return refusal(QStringLiteral("Impossibile leggere l'archivio %1: %2")
                           .arg(store.archivePath(), store.errorString()));
    if (scan.printable == 0) return refusal(QString::fromUtf8(LabelMessages::kNoAddressText));
    return Message();
}

int SeriesPrint::pagesOf(const Request &request, const SelectionScan &scan) {
    if (request.kind == Kind::Envelopes) return scan.printable;
    return LabelSheetPrinter::sheetsFor(request.layout, scan.printable, request.firstLabel);
}

Printout SeriesPrint::printout(const Request &request, const SelectionScan &scan) {
    const bool labels = request.kind == Kind::Labels;
    Printout p;
    p.caption = labels ? QStringLiteral("Stampa etichette indirizzi")
                       : QStringLiteral("Stampa buste in serie");
    p.pdfFileName = labels ? QStringLiteral("Etichette.pdf") : QStringLiteral("Buste.pdf");
    p.note = scan.leftOutSummary();
    p.draw = [request, scan](PrinterPage &page, const PrintChoices &choices) {
        return draw(page, request, scan, choices.progress).ok;
    };
    return p;
}

SeriesResult SeriesPrint::draw(PrinterPage &page, const Request &request, const SelectionScan &scan,
                               const ProgressCallback &progress) {
    ArchiveStore store;
    if (request.kind == Kind::Labels)
        return LabelJob::run(page, store, request.selection, request.layout, request.firstLabel,
                             scan.printable, progress);
    EnvelopeContent content = EnvelopeContent::design();
    EnvelopeSettings::load(content, SettingsFile(), SenderLogo::programFilePath());
    return EnvelopeSeries::run(page, store, request.selection, content, scan.printable, progress);
}
