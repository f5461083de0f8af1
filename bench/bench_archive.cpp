// Reading a whole archive and deleting its first record, each beside the plain file
// operation that does the same amount of I/O, on an archive of 100,000 records.
#include <unistd.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>

#include "archive/ArchiveStore.h"

namespace {

double ms(QElapsedTimer &t) {
    return t.nsecsElapsed() / 1e6;
}

double best(int runs, const std::function<double()> &f) {
    double b = 1e99;
    for (int i = 0; i < runs; ++i) b = std::min(b, f());
    return b;
}

}  // namespace

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    const int records = argc > 1 ? atoi(argv[1]) : 100000;
    QTemporaryDir dir;
    ArchiveStore store(dir.path());
    {
        QFile f(store.archivePath());
        f.open(QIODevice::WriteOnly);
        QByteArray block;
        for (int i = 0; i < records; ++i) {
            ContactRecord r;
            r.setValue(ContactRecord::Titolo, QStringLiteral("Contatto %1").arg(i));
            r.setValue(ContactRecord::Citta, QStringLiteral("Città %1").arg(i % 977));
            r.setValue(ContactRecord::Email, QStringLiteral("c%1@esempio.it").arg(i));
            block += r.encode();
            if (block.size() > (1 << 20)) {
                f.write(block);
                block.clear();
            }
        }
        f.write(block);
    }
    const QString path = store.archivePath();
    std::printf("archive: %d records, %lld bytes\n", records, (long long)QFile(path).size());

    const double plainRead = best(5, [&] {
        QElapsedTimer t;
        t.start();
        QFile f(path);
        f.open(QIODevice::ReadOnly);
        QByteArray buf(1 << 20, Qt::Uninitialized);
        qint64 total = 0;
        while (qint64 n = f.read(buf.data(), buf.size())) total += n;
        (void)total;
        return ms(t);
    });
    const double readAll = best(5, [&] {
        QElapsedTimer t;
        t.start();
        int n = 0;
        store.forEachRecord([&](int, const ContactRecord &) {
            ++n;
            return true;
        });
        return ms(t);
    });
    const double rawScan = best(5, [&] {
        QElapsedTimer t;
        t.start();
        int n = 0;
        store.forEachRawRecord([&](int, const char *) {
            ++n;
            return true;
        });
        return ms(t);
    });
    std::printf("(a) plain read of the file:          %8.1f ms\n", plainRead);
    std::printf("    every record, raw blocks:         %8.1f ms (%.2fx)\n", rawScan,
                rawScan / plainRead);
    std::printf("    every record decoded (readAll):   %8.1f ms (%.2fx)\n", readAll,
                readAll / plainRead);

    const QString copyPath = dir.path() + QStringLiteral("/copia.edb");
    auto plainCopy = [&](bool sync) {
        QElapsedTimer t;
        t.start();
        QFile src(path), dst(copyPath);
        src.open(QIODevice::ReadOnly);
        dst.open(QIODevice::WriteOnly | QIODevice::Truncate);
        QByteArray buf(1 << 20, Qt::Uninitialized);
        while (qint64 n = src.read(buf.data(), buf.size())) dst.write(buf.constData(), n);
        dst.flush();
        if (sync) ::fsync(dst.handle());
        dst.close();
        return ms(t);
    };
    const double copyNoSync = best(3, [&] { return plainCopy(false); });
    const double copySync = best(3, [&] { return plainCopy(true); });
    const double del = best(3, [&] {
        QElapsedTimer t;
        t.start();
        store.deleteRecord(1);
        return ms(t);
    });
    std::printf("(b) plain copy of the file:          %8.1f ms\n", copyNoSync);
    std::printf("    plain copy + fsync:               %8.1f ms\n", copySync);
    std::printf("    DeleteRecord(1) (fsync, rename):  %8.1f ms (%.2fx the copy with fsync)\n", del,
                del / copySync);
    return 0;
}
