// What the writers' lock costs: taking and letting go of it with nobody else writing, a
// save of a new contact with the lock against the same write and flush without it, and a
// read of a record while another program holds the lock (readers never wait).
#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>

#include "archive/ArchiveLock.h"
#include "archive/ArchiveStore.h"

namespace {

double timedMs(const std::function<void()> &f) {
    QElapsedTimer t;
    t.start();
    f();
    return t.nsecsElapsed() / 1e6;
}

double best(int runs, const std::function<double()> &f) {
    double b = 1e99;
    for (int i = 0; i < runs; ++i) b = std::min(b, f());
    return b;
}

ContactRecord contact(int i) {
    ContactRecord r;
    r.setValue(ContactRecord::Titolo, QStringLiteral("Contatto %1").arg(i));
    return r;
}

}  // namespace

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    ArchiveStore store(dir.path());
    for (int i = 1; i <= 1000; ++i) store.appendRecord(contact(i));

    constexpr int kTurns = 20000;
    const double lockMs = best(3, [&] {
        return timedMs([&] {
            for (int i = 0; i < kTurns; ++i) {
                ArchiveLock lock(store.archivePath());
                lock.acquire();
            }
        });
    });
    std::printf("lock taken and let go: %.2f us a turn (%d turns)\n", lockMs * 1000 / kTurns,
                kTurns);

    constexpr int kSaves = 200;
    const double withLock = best(3, [&] {
        return timedMs([&] {
            for (int i = 0; i < kSaves; ++i) store.appendRecord(contact(i));
        });
    });
    // The same record appended and flushed to disk by hand, with no lock and no checks.
    const QByteArray bytes = contact(0).encode();
    const double bare = best(3, [&] {
        return timedMs([&] {
            for (int i = 0; i < kSaves; ++i) {
                const int fd = ::open(QFile::encodeName(store.archivePath()).constData(),
                                      O_WRONLY | O_APPEND | O_CLOEXEC);
                (void)!::write(fd, bytes.constData(), size_t(bytes.size()));
                ::fsync(fd);
                ::close(fd);
            }
        });
    });
    std::printf("save of a new contact: %.3f ms with the lock, %.3f ms bare write and flush\n",
                withLock / kSaves, bare / kSaves);

    // Another program holds the lock while this one reads.
    int ready[2];
    if (::pipe(ready) != 0) return 1;
    const QByteArray lockPath = QFile::encodeName(ArchiveLock::lockPathFor(store.archivePath()));
    const pid_t holder = ::fork();
    if (holder == 0) {
        const int fd = ::open(lockPath.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
        const char ok = (fd >= 0 && ::flock(fd, LOCK_EX) == 0) ? 'y' : 'n';
        (void)!::write(ready[1], &ok, 1);
        for (;;) ::pause();
    }
    char ok = 0;
    if (::read(ready[0], &ok, 1) != 1 || ok != 'y') return 1;
    constexpr int kReads = 20000;
    const double readMs = timedMs([&] {
        ContactRecord r;
        for (int i = 0; i < kReads; ++i) store.readRecord(1 + i % 1000, r);
    });
    ::kill(holder, SIGKILL);
    ::waitpid(holder, nullptr, 0);
    const double freeReadMs = timedMs([&] {
        ContactRecord r;
        for (int i = 0; i < kReads; ++i) store.readRecord(1 + i % 1000, r);
    });
    std::printf("read of one record: %.2f us while another program writes, %.2f us otherwise\n",
                readMs * 1000 / kReads, freeReadMs * 1000 / kReads);
    return 0;
}
