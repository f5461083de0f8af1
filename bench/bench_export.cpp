// Exports an archive of 100,000 records to .xlsx and, for comparison, writes the same
// rows as a plain CSV file. Each export runs in a child process of its own, so that the
// peak memory reported is that export's alone.
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdio>
#include <functional>

#include "archive/ArchiveStore.h"
#include "office/XlsxExport.h"

namespace {

constexpr int kRecords = 100000;

bool writeArchive(const QString &path) {
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
    QByteArray block;
    for (int i = 1; i <= kRecords; ++i) {
        ContactRecord r;
        r.setValue(ContactRecord::Titolo, QStringLiteral("Studio Associato Numero %1").arg(i));
        r.setValue(ContactRecord::Sottotitolo, QStringLiteral("Consulenza fiscale"));
        r.setValue(ContactRecord::Indirizzo, QStringLiteral("Via Garibaldi %1").arg(i % 300));
        r.setValue(ContactRecord::Citta, QStringLiteral("06012 Città di Castello (PG)"));
        r.setValue(ContactRecord::Iva, QStringLiteral("%1").arg(i, 11, 10, QChar(u'0')));
        r.setValue(ContactRecord::Tel,
                   QStringLiteral("075 85%1").arg(i % 100000, 5, 10, QChar(u'0')));
        r.setValue(ContactRecord::Fax,
                   QStringLiteral("075 86%1").arg(i % 100000, 5, 10, QChar(u'0')));
        r.setValue(ContactRecord::Cel, QStringLiteral("333 %1").arg(i, 7, 10, QChar(u'0')));
        r.setValue(ContactRecord::Email, QStringLiteral("studio%1@esempio.it").arg(i));
        r.setValue(ContactRecord::Informazioni,
                   QStringLiteral("Ricevimento su appuntamento, lunedì chiuso"));
        r.setValue(ContactRecord::Web, QStringLiteral("www.studio%1.it").arg(i));
        r.setValue(ContactRecord::Logo03, QStringLiteral("/home/utente/loghi/studio%1.jpg").arg(i));
        block += r.encode();
        if (block.size() > (1 << 20)) {
            if (f.write(block) != block.size()) return false;
            block.clear();
        }
    }
    return f.write(block) == block.size();
}

QByteArray csvField(const QString &value) {
    QByteArray v = value.toUtf8();
    if (v.contains(',') || v.contains('"') || v.contains('\n')) {
        v.replace("\"", "\"\"");
        v = '"' + v + '"';
    }
    return v;
}

bool writeCsv(ArchiveStore &store, const QString &path) {
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
    QByteArray buffer;
    const QStringList header = XlsxExport::headerTexts();
    for (int c = 0; c < header.size(); ++c) buffer += (c ? "," : "") + csvField(header[c]);
    buffer += "\r\n";
    bool ok = store.forEachRecord([&](int, const ContactRecord &r) {
        for (int c = 0; c < XlsxExport::kColumns; ++c)
            buffer += (c ? "," : "") + csvField(r.value(ContactRecord::Field(c)));
        buffer += "\r\n";
        if (buffer.size() > (1 << 20)) {
            if (f.write(buffer) != buffer.size()) return false;
            buffer.clear();
        }
        return true;
    });
    return ok && f.write(buffer) == buffer.size();
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
    Run r;
    r.seconds = timer.nsecsElapsed() / 1e9;
    r.peakKiB = usage.ru_maxrss;
    r.cpuSeconds = usage.ru_utime.tv_sec + usage.ru_stime.tv_sec +
                   (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
    r.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return r;
}

void report(const char *what, const Run &r, const QString &file) {
    std::printf("%-22s %s  %7.2f s (cpu %6.2f s)  peak %7.1f MiB  file %8.1f MiB\n", what,
                r.ok ? "ok    " : "FAILED", r.seconds, r.cpuSeconds, r.peakKiB / 1024.0,
                QFileInfo(file).size() / 1048576.0);
}

}  // namespace

int main() {
    QTemporaryDir dir;
    ArchiveStore store(dir.path());
    if (!writeArchive(store.archivePath())) {
        std::fprintf(stderr, "cannot write the archive\n");
        return 1;
    }
    std::printf("archive: %d records, %.1f MiB\n", store.recordCount(),
                QFileInfo(store.archivePath()).size() / 1048576.0);
    const QString csv = dir.path() + QStringLiteral("/archivio.csv");
    const QString xlsx = dir.path() + QStringLiteral("/archivio.xlsx");
    const Run idle = inChild([] { return true; });
    const Run readOnly = inChild(
        [&] { return store.forEachRecord([](int, const ContactRecord &) { return true; }); });
    const Run c = inChild([&] { return writeCsv(store, csv); });
    int progressCalls = 0;
    const Run x = inChild([&] {
        XlsxExport exporter;
        return exporter.write(store, xlsx, [&](int) { ++progressCalls; }) &&
               exporter.rowsWritten() == kRecords;
    });
    report("process alone", idle, QString());
    report("read archive only", readOnly, QString());
    report("CSV", c, csv);
    report("XLSX", x, xlsx);
    return (c.ok && x.ok) ? 0 : 1;
}
