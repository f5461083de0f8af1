#include "cli/CmdEnvelopeSeries.h"

#include "archive/ArchiveStore.h"
#include "archive/SettingsFile.h"
#include "cli/CliIo.h"
#include "cli/SeriesOptions.h"
#include "envelopes/EnvelopeSettings.h"
#include "envelopes/SenderLogo.h"
#include "labels/EnvelopeSeries.h"
#include "printing/PrinterPage.h"

bool CmdEnvelopeSeries::wanted(const QStringList &args) {
    return SeriesOptions::wanted(args);
}

int CmdEnvelopeSeries::run(const QStringList &args) {
    SeriesOptions o;
    const QString bad = o.parse(args);
    if (!bad.isEmpty()) return CliIo::usage(bad);
    if (!o.rest.isEmpty())
        return CliIo::usage(QStringLiteral("argomento sconosciuto: ") + o.rest.first());

    ArchiveStore store;
    ContactSelection selection;
    if (const int status = o.select(store, selection)) return status;
    int printable = 0;
    if (const int status = SeriesOptions::scan(store, selection, printable)) return status;

    EnvelopeContent content = EnvelopeContent::design();
    EnvelopeSettings::load(content, SettingsFile(), SenderLogo::programFilePath());
    if (const int status = o.openOutput()) return status;

    PrinterPage &page = PrinterPage::printer();
    const SeriesResult result = EnvelopeSeries::run(page, store, selection, content, printable);
    const bool finished = page.finishJob();
    const QString why = result.ok ? page.errorString() : result.error;
    page.useCurrentPrinter();
    if (!result.ok || !finished)
        return CliIo::fail(QStringLiteral("Impossibile stampare le buste: %1").arg(why));
    return 0;
}
