// Address labels for 10,000 contacts (417 sheets of 3 × 8) written to a PDF file, after a
// first run of 1,000 contacts: the peak memory after each run shows whether memory grows
// with the number of contacts.
#include <sys/resource.h>

#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <cstdio>
#include <memory>

#include "archive/ArchiveStore.h"
#include "labels/ContactSelection.h"
#include "labels/LabelJob.h"
#include "labels/LabelLayout.h"
#include "labels/SelectionScan.h"
#include "printing/PrinterPage.h"
#include "printing/QPrinterPageDevice.h"

namespace {

long peakKiB() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_maxrss;
}

// Written record by record, so that the archive's bytes never sit in memory.
bool writeArchive(const QString &folder, int count) {
    QFile f(folder + QStringLiteral("/Contatti.edb"));
    if (!f.open(QIODevice::WriteOnly)) return false;
    for (int i = 1; i <= count; ++i) {
        ContactRecord r;
        r.setValue(ContactRecord::Titolo, QStringLiteral("Studio Associato Ferri %1").arg(i));
        r.setValue(ContactRecord::Sottotitolo, QStringLiteral("Consulenze tributarie"));
        r.setValue(ContactRecord::Indirizzo,
                   QStringLiteral("Via Giuseppe Garibaldi, %1").arg(i % 300));
        r.setValue(ContactRecord::Citta, QStringLiteral("47121 Forlì (FC)"));
        if (f.write(r.encode()) != ContactRecord::kRecordLength) return false;
    }
    return true;
}

// Seconds for the whole job: the scan, the labels, the PDF closed.
double run(const QString &folder, int count) {
    if (!writeArchive(folder, count)) return -1;
    PrinterPage &page = PrinterPage::printer();
    const QString pdf = folder + QStringLiteral("/etichette.pdf");
    QElapsedTimer t;
    t.start();
    ArchiveStore store(folder);
    const ContactSelection all = ContactSelection::wholeArchive();
    const SelectionScan scan = SelectionScan::run(store, all);
    page.setDevice(std::make_shared<QPrinterPageDevice>(QPrinterPageDevice::forPdf(pdf)));
    const SeriesResult r = LabelJob::run(
        page, store, all, *LabelLayout::fromKey(QStringLiteral("3x8")), 1, scan.printable);
    const bool finished = page.finishJob();
    page.useCurrentPrinter();
    const double s = t.nsecsElapsed() / 1e9;
    std::printf("%6d labels, %4d sheets: %.2f s, peak RSS %ld KiB, PDF %lld KiB%s\n", r.printed,
                r.pages, s, peakKiB(), QFile(pdf).size() / 1024,
                r.ok && finished ? "" : " (FAILED)");
    return s;
}

}  // namespace

int main(int argc, char *argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTemporaryDir dir;
    std::printf("start: peak RSS %ld KiB\n", peakKiB());
    run(dir.path(), 1000);
    run(dir.path(), 10000);
    return 0;
}
