#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>
#include <utime.h>

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QScopeGuard>
#include <QTest>

#include "archive/ArchiveLock.h"
#include "archive/ArchiveStore.h"
#include "support/TestEnvironment.h"

namespace {

ContactRecord contact(const QString &name, const QString &tel = QString()) {
    ContactRecord r;
    r.setValue(ContactRecord::Titolo, name);
    r.setValue(ContactRecord::Tel, tel);
    return r;
}

void fillArchive(ArchiveStore &store, int n) {
    for (int i = 1; i <= n; ++i)
        QCOMPARE(store.appendRecord(contact(QStringLiteral("C%1").arg(i), "0")), i);
}

QString cli() {
    return QStringLiteral(CARTAFLEX_BINARY_DIR "/cartaflex-cli");
}

QProcess *startCli(const QString &folder, const QStringList &args) {
    auto *p = new QProcess;
    p->setProgram(cli());
    p->setArguments(QStringList{QStringLiteral("--folder"), folder} + args);
    p->start();
    return p;
}

}  // namespace

class TestArchiveLock : public QObject {
    Q_OBJECT
private slots:
    // Writers in separate processes that read a record, change it and write it back
    // under the lock never lose one another's change.
    void writersInOtherProcessesTakeTurns() {
        TestEnvironment env;
        ArchiveStore store(env.folder());
        fillArchive(store, 20);
        constexpr int kWriters = 3;
        constexpr int kRounds = 40;
        QList<pid_t> children;
        for (int w = 0; w < kWriters; ++w) {
            const pid_t pid = ::fork();
            QVERIFY(pid >= 0);
            if (pid == 0) {
                ::prctl(PR_SET_PDEATHSIG, SIGKILL);
                ArchiveStore mine(env.folder());
                // The first turn that does not come ends this writer: a lock that is
                // never let go fails the test in seconds instead of once per round.
                for (int i = 0; i < kRounds; ++i) {
                    ArchiveLock lock(mine.archivePath());
                    if (!lock.acquire()) ::_exit(2);
                    ContactRecord r;
                    if (!mine.readRecord(1, r)) ::_exit(1);
                    r.setValue(ContactRecord::Tel,
                               QString::number(r.value(ContactRecord::Tel).toInt() + 1));
                    if (!mine.writeRecord(1, r)) ::_exit(1);
                }
                ::_exit(0);
            }
            children.append(pid);
        }
        for (pid_t pid : children) {
            int status = 0;
            QCOMPARE(::waitpid(pid, &status, 0), pid);
            QVERIFY(WIFEXITED(status));
            QCOMPARE(WEXITSTATUS(status), 0);
        }
        ContactRecord r;
        QVERIFY(store.readRecord(1, r));
        QCOMPARE(r.value(ContactRecord::Tel), QString::number(kWriters * kRounds));
        QCOMPARE(store.recordCount(), 20);
        QVERIFY(!QFile::exists(ArchiveLock::lockPathFor(store.archivePath())));
    }

    // While another program holds the lock, every change (from the terminal or from this
    // program) gives up after a few seconds with the busy state and changes nothing;
    // readers answer at once. When the holder is killed, the next writer goes ahead.
    void writerThatCannotGetTheLockChangesNothing() {
        TestEnvironment env;
        ArchiveStore store(env.folder());
        fillArchive(store, 5);
        const QByteArray before = TestEnvironment::readBytes(store.archivePath());
        int ready[2];
        QCOMPARE(::pipe(ready), 0);
        const pid_t holder = ::fork();
        QVERIFY(holder >= 0);
        if (holder == 0) {
            ::prctl(PR_SET_PDEATHSIG, SIGKILL);
            ArchiveLock held(store.archivePath());
            const char ok = held.acquire() ? 'y' : 'n';
            (void)!::write(ready[1], &ok, 1);
            for (;;) ::pause();
        }
        // However the test ends, the holder goes with it and takes its lock along.
        const auto stopHolder = qScopeGuard([holder] {
            ::kill(holder, SIGKILL);
            ::waitpid(holder, nullptr, 0);
        });
        char ok = 0;
        QCOMPARE(::read(ready[0], &ok, 1), ssize_t(1));
        QCOMPARE(ok, 'y');

        QElapsedTimer clock;
        clock.start();
        const QList<QStringList> changes{
            {"add", "Titolo=Nuovo"}, {"update", "2", "Tel=9"}, {"delete", "3"}};
        QList<QProcess *> writers;
        for (const QStringList &args : changes) writers.append(startCli(env.folder(), args));

        for (const QStringList &args : QList<QStringList>{{"count"}, {"list"}, {"show", "5"}}) {
            QElapsedTimer readClock;
            readClock.start();
            QProcess reader;
            reader.start(cli(), QStringList{"--folder", env.folder()} + args);
            QVERIFY(reader.waitForFinished(10000));
            QCOMPARE(reader.exitCode(), 0);
            QVERIFY2(readClock.elapsed() < 2500, qPrintable(args.first()));
        }

        QCOMPARE(store.appendRecord(contact("Qui")), 0);
        QVERIFY(store.busy());

        for (QProcess *w : writers) {
            QVERIFY(w->waitForFinished(20000));
            QCOMPARE(w->exitCode(), 1);
            const QString err = QString::fromUtf8(w->readAllStandardError());
            QVERIFY2(err.contains(QStringLiteral("L'archivio è in uso")), qPrintable(err));
            delete w;
        }
        QVERIFY(clock.elapsed() >= ArchiveLock::kDefaultWaitMs - 500);
        QCOMPARE(TestEnvironment::readBytes(store.archivePath()), before);
        QVERIFY(!QFile::exists(store.archivePath(QString::fromLatin1(ArchiveStore::kTempName))));

        ::kill(holder, SIGKILL);
        QCOMPARE(::waitpid(holder, nullptr, 0), holder);
        QElapsedTimer after;
        after.start();
        QCOMPARE(store.appendRecord(contact("Dopo")), 6);
        QVERIFY(!store.busy());
        QVERIFY(after.elapsed() < 1500);
        ::close(ready[0]);
        ::close(ready[1]);
    }

    // A writer that died holding the lock (its lock file names a process that is gone)
    // does not stop the next writer.
    void lockOfADeadWriterIsTakenOver() {
        TestEnvironment env;
        ArchiveStore store(env.folder());
        fillArchive(store, 2);
        const pid_t pid = ::fork();
        QVERIFY(pid >= 0);
        if (pid == 0) {
            auto *lock = new ArchiveLock(store.archivePath());
            ::_exit(lock->acquire() ? 0 : 1);  // dies without releasing
        }
        int status = 0;
        QCOMPARE(::waitpid(pid, &status, 0), pid);
        QCOMPARE(WEXITSTATUS(status), 0);
        const QString lockPath = ArchiveLock::lockPathFor(store.archivePath());
        QVERIFY(QFile::exists(lockPath));

        QElapsedTimer clock;
        clock.start();
        QCOMPARE(store.appendRecord(contact("Dopo")), 3);
        QVERIFY(clock.elapsed() < 1500);
        QVERIFY(!QFile::exists(lockPath));
    }

    // A lock file left behind (by a writer killed at any moment, or an older program) is
    // no lock: whatever it holds and however new it is, the next writer goes ahead.
    void lockFileLeftBehindIsNoLock_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("ageSeconds");
        QTest::newRow("empty, just made") << QByteArray() << 0;
        QTest::newRow("empty, old") << QByteArray() << 60;
        QTest::newRow("naming a live process")
            << QByteArray::number(qint64(::getpid())) + "\ncartaflex-cli\nvm\n"
            << 0;
    }
    void lockFileLeftBehindIsNoLock() {
        QFETCH(QByteArray, content);
        QFETCH(int, ageSeconds);
        TestEnvironment env;
        ArchiveStore store(env.folder());
        fillArchive(store, 1);
        const QString lockPath = ArchiveLock::lockPathFor(store.archivePath());
        QVERIFY(TestEnvironment::writeBytes(lockPath, content));
        if (ageSeconds > 0) {
            const time_t t = ::time(nullptr) - ageSeconds;
            struct utimbuf times {
                t, t
            };
            QCOMPARE(::utime(QFile::encodeName(lockPath).constData(), &times), 0);
        }
        QElapsedTimer clock;
        clock.start();
        QVERIFY(store.deleteRecord(1));
        QVERIFY2(clock.elapsed() < 1000, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(store.recordCount(), 0);
        QVERIFY(!QFile::exists(lockPath));
    }

    // A caller holding the lock around a read and a write calls the store's writes
    // without waiting for itself; the lock file goes when the outermost holder lets go.
    void lockIsReentrantWithinTheProgram() {
        TestEnvironment env;
        ArchiveStore store(env.folder());
        const QString lockPath = ArchiveLock::lockPathFor(store.archivePath());
        {
            ArchiveLock outer(store.archivePath());
            QVERIFY(outer.acquire());
            QElapsedTimer clock;
            clock.start();
            QCOMPARE(store.appendRecord(contact("Uno")), 1);
            QVERIFY(store.writeRecord(1, contact("Uno bis")));
            QCOMPARE(store.appendRecord(contact("Due")), 2);
            QVERIFY(store.deleteRecord(2));
            QVERIFY(clock.elapsed() < 1000);
            QVERIFY(QFile::exists(lockPath));
        }
        QVERIFY(!QFile::exists(lockPath));
        ContactRecord r;
        QVERIFY(store.readRecord(1, r));
        QCOMPARE(r.titolo(), QStringLiteral("Uno bis"));
    }

    // A lock that cannot be made at all (the folder is not writable) is a plain failure,
    // not "in use": the window shows its own save error. The superuser can make the lock
    // file; the protected folder then refuses the change, and the lock file goes too.
    void lockThatCannotBeMadeIsNoBusyState() {
        TestEnvironment env;
        ArchiveStore store(env.folder());
        fillArchive(store, 1);
        QFile::setPermissions(env.folder(), QFile::ReadOwner | QFile::ExeOwner);
        const bool ok = store.writeRecord(1, contact("X"));
        QFile::setPermissions(env.folder(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QVERIFY(!ok);
        QVERIFY(!store.busy());
        QVERIFY(!QFile::exists(ArchiveLock::lockPathFor(store.archivePath())));
    }
};

int main(int argc, char **argv) {
    // A lock that is never let go fails its test within a minute rather than hanging until
    // the suite's limit.
    if (qEnvironmentVariableIsEmpty("QTEST_FUNCTION_TIMEOUT"))
        qputenv("QTEST_FUNCTION_TIMEOUT", "60000");
    QCoreApplication app(argc, argv);
    TestArchiveLock test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_archivelock.moc"
