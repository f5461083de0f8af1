// labels: address labels for a selection of contacts.
#include "archive/ArchiveStore.h"
#include "cli/CliIo.h"
#include "cli/CliRegistry.h"
#include "cli/SeriesOptions.h"
#include "labels/LabelJob.h"
#include "labels/LabelLayout.h"
#include "printing/PrinterPage.h"

namespace {

int labels(const QStringList &args) {
    if (args.isEmpty())
        return CliIo::usage(
            QStringLiteral("labels vuole il formato (%1)").arg(LabelLayout::keysText()));
    SeriesOptions o;
    const QString bad = o.parse(args.mid(1));
    if (!bad.isEmpty()) return CliIo::usage(bad);
    int first = 1;
    for (qsizetype i = 0; i < o.rest.size(); ++i) {
        if (o.rest.at(i) != QLatin1String("--first") || i + 1 >= o.rest.size())
            return CliIo::usage(QStringLiteral("argomento sconosciuto: ") + o.rest.at(i));
        bool ok = false;
        first = o.rest.at(++i).toInt(&ok);
        if (!ok) return CliIo::usage(QStringLiteral("--first vuole un numero di etichetta"));
    }
    const auto layout = LabelLayout::fromKey(args.first());
    if (!layout)
        return CliIo::fail(QStringLiteral("Formato di etichette sconosciuto: %1 (formati: %2).")
                               .arg(args.first(), LabelLayout::keysText()));
    if (first < 1 || first > layout->labels())
        return CliIo::fail(QStringLiteral("L'etichetta di partenza deve essere fra 1 e %1.")
                               .arg(layout->labels()));

    ArchiveStore store;
    ContactSelection selection;
    if (const int status = o.select(store, selection)) return status;
    int printable = 0;
    if (const int status = SeriesOptions::scan(store, selection, printable)) return status;
    if (const int status = o.openOutput()) return status;

    PrinterPage &page = PrinterPage::printer();
    const SeriesResult result = LabelJob::run(page, store, selection, *layout, first, printable);
    const bool finished = page.finishJob();
    const QString why = result.ok ? page.errorString() : result.error;
    page.useCurrentPrinter();
    if (!result.ok || !finished)
        return CliIo::fail(QStringLiteral("Impossibile stampare le etichette: %1").arg(why));
    return 0;
}

const CliRegistry::Entry kLabels(
    "labels",
    "labels 3x8|3x7|2x7|3x7s|2x4 (--all | --search CRITERIO CHIAVE | --records N[,N...]) "
    "[--first K] (--pdf FILE | --printer NOME)",
    labels);

}  // namespace
