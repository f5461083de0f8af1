// Exports an archive of 100,000 contacts to CSV and to vCard, and imports both files into
// an empty archive; then the same with 10,000 contacts, so that the peak memory of the two
// sizes can be compared. Each step runs in a child process of its own, so that the peak
// memory reported is that step's alone.
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <functional>

#include "archive/ArchiveStore.h"
#include "contactfiles/ContactExport.h"
#include "contactfiles/ContactImport.h"

namespace {

bool writeArchive(const QString &path, int records) {
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
    QByteArray block;
    for (int i = 1; i <= records; ++i) {
        ContactRecord r;
        r.setValue(ContactRecord::Titolo, QStringLiteral("Studio Associato Numero %1").arg(i));
        r.setValue(ContactRecord::Sottotitolo, QStringLiteral("Consulenza fiscale; tributi"));
        r.setValue(ContactRecord::Indirizzo, QStringLiteral("Via Garibaldi, %1").arg(i % 300));
        r.setValue(ContactRecord::Citta, QStringLiteral("06012 Città di Castello (PG)"));
        r.setValue(ContactRecord::Iva, QStringLiteral("%1").arg(i, 11, 10, QChar(u'0')));
        r.setValue(ContactRecord::Tel, QStringLiteral("075 85%1").arg(i, 5, 10, QChar(u'0')));
        r.setValue(ContactRecord::Fax, QStringLiteral("075 86%1").arg(i, 5, 10, QChar(u'0')));
        r.setValue(ContactRecord::Cel, QStringLiteral("333 %1").arg(i, 7, 10, QChar(u'0')));
        r.setValue(ContactRecord::Email, QStringLiteral("studio%1@esempio.it").arg(i));
        r.setValue(ContactRecord::Informazioni,
                   QStringLiteral("Ricevimento su appuntamento, lunedì \"chiuso\""));
        r.setValue(ContactRecord::Web, QStringLiteral("www.studio%1.it").arg(i));
        block += r.encode();
        if (block.size() > (1 << 20)) {
            if (f.write(block) != block.size()) return false;
            block.clear();
        }
    }
    return f.write(block) == block.size();
}

struct Run {
    double seconds = 0;
    double cpuSeconds = 0;
    long peakKiB = 0;
    bool ok = false;
};

Run inChild(const std::function<bool()> &work) {
    QElapsedTimer timer;
    timer.start();
    const pid_t pid = fork();
    if (pid == 0) _exit(work() ? 0 : 1);
    int status = 0;
    struct rusage usage {};
    wait4(pid, &status, 0, &usage);
    const double cpu = usage.ru_utime.tv_sec + usage.ru_stime.tv_sec +
                       (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
    return Run{timer.nsecsElapsed() / 1e9, cpu, usage.ru_maxrss,
               WIFEXITED(status) && WEXITSTATUS(status) == 0};
}

void report(int records, const char *what, const Run &r, const QString &file) {
    std::printf("%6d contacts  %-13s %s %6.2f s (cpu %5.2f s)  peak %5.1f MiB  file %5.1f MiB\n",
                records, what, r.ok ? "ok" : "FAILED", r.seconds, r.cpuSeconds, r.peakKiB / 1024.0,
                QFileInfo(file).size() / 1048576.0);
}

bool importInto(const QString &folder, const QString &file, int expected) {
    QDir().mkpath(folder);
    ArchiveStore store(folder);
    ContactImport import(store);
    return import.open(file) && import.run(ContactImport::Choice::NewOnly) &&
           import.imported() == expected && store.recordCount() == expected;
}

bool runSize(const QString &dir, int records) {
    ArchiveStore store(dir);
    if (!writeArchive(store.archivePath(), records)) return false;
    const QString csv = dir + QStringLiteral("/contatti.csv");
    const QString vcf = dir + QStringLiteral("/contatti.vcf");
    auto exportTo = [&](const QString &path, ContactExport::Format format) {
        return inChild([&, path, format] {
            ContactExport exporter;
            return exporter.write(store, path, format) && exporter.written() == records;
        });
    };
    const Run ec = exportTo(csv, ContactExport::Format::Csv);
    const Run ev = exportTo(vcf, ContactExport::Format::Vcard);
    const Run ic =
        inChild([&] { return importInto(dir + QStringLiteral("/da-csv"), csv, records); });
    const Run iv =
        inChild([&] { return importInto(dir + QStringLiteral("/da-vcf"), vcf, records); });
    report(records, "export CSV", ec, csv);
    report(records, "export vCard", ev, vcf);
    report(records, "import CSV", ic, csv);
    report(records, "import vCard", iv, vcf);
    return ec.ok && ev.ok && ic.ok && iv.ok;
}

}  // namespace

// With a number as argument, only that size (for a profiler's run).
int main(int argc, char **argv) {
    QList<int> sizes = {10000, 100000};
    if (argc > 1) sizes = {std::atoi(argv[1])};
    bool ok = true;
    for (int records : sizes) {
        QTemporaryDir dir;
        ok = runSize(dir.path(), records) && ok;
    }
    return ok ? 0 : 1;
}
