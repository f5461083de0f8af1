#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QTest>

#include "archive/ProfileText.h"
#include "archive/SettingsFile.h"
#include "support/TestEnvironment.h"

namespace {

const QByteArray kOriginal =
    "[Impostazioni Colore]\r\nColore Titolo=255\r\nColore Sottotitolo=16711680\r\n"
    "[Mittente]\r\nTitolo=valore 0\r\nCitta=Milano\r\n[Stampa Busta]\r\nOrientamento=Verticale\r\n";

// The keys that no write of the tests touches, with their values.
void verifyUntouchedKeys(const SettingsFile &s) {
    QCOMPARE(s.read("Impostazioni Colore", "Colore Titolo"), QStringLiteral("255"));
    QCOMPARE(s.read("Impostazioni Colore", "Colore Sottotitolo"), QStringLiteral("16711680"));
    QCOMPARE(s.read("Mittente", "Citta"), QStringLiteral("Milano"));
    QCOMPARE(s.read("Stampa Busta", "Orientamento"), QStringLiteral("Verticale"));
}

pid_t forkWriter(const QString &path, const QString &key, const QString &value) {
    const pid_t pid = ::fork();
    if (pid == 0) ::_exit(SettingsFile(path).write("Mittente", key, value) ? 0 : 1);
    return pid;
}

}  // namespace

class TestSettingsRobust : public QObject {
    Q_OBJECT
private slots:
    // A settings write killed at any moment leaves the file with the old or the new value,
    // every other key as it was, and nothing that stops the next write.
    void killedWriteLeavesOldOrNewValue() {
        TestEnvironment env;
        const QString path = env.file("Cartaflex.ini");
        QVERIFY(TestEnvironment::writeBytes(path, kOriginal));

        // How long one write takes, for the choice of the kill moments.
        QElapsedTimer clock;
        clock.start();
        for (int i = 0; i < 5; ++i) {
            const pid_t pid = forkWriter(path, "Titolo", "valore 0");
            int status = 0;
            ::waitpid(pid, &status, 0);
            QCOMPARE(WEXITSTATUS(status), 0);
        }
        // The kill moment is drawn below a bound that follows the machine: it shrinks after
        // a write that finished first and grows after a kill, so that kills and finished
        // writes both stay frequent however loaded the machine is.
        qint64 boundUs = std::max<qint64>(clock.nsecsElapsed() / 5000 * 3 / 2, 200);

        constexpr int kRuns = 150;
        int kills = 0, olds = 0, news = 0;
        QString current = QStringLiteral("valore 0");
        QRandomGenerator random(20240611);
        for (int k = 1; k <= kRuns; ++k) {
            const QString next = QStringLiteral("valore %1").arg(k);
            const pid_t pid = forkWriter(path, "Titolo", next);
            ::usleep(useconds_t(random.bounded(boundUs)));
            ::kill(pid, SIGKILL);
            int status = 0;
            QCOMPARE(::waitpid(pid, &status, 0), pid);
            if (WIFSIGNALED(status)) {
                ++kills;
                boundUs = boundUs * 11 / 10 + 1;
            } else {
                QCOMPARE(WEXITSTATUS(status), 0);
                boundUs = std::max<qint64>(boundUs * 4 / 5, 50);
            }

            const SettingsFile s(path);
            const QString value = s.read("Mittente", "Titolo");
            QVERIFY2(value == current || value == next, qPrintable(value));
            if (!WIFSIGNALED(status)) QCOMPARE(value, next);
            (value == next ? news : olds)++;
            current = value;
            verifyUntouchedKeys(s);
        }
        qInfo("settings writes: %d runs, %d kills, %d old, %d new, 0 torn", kRuns, kills, olds,
              news);
        QVERIFY(kills >= 10);
        QVERIFY(news >= 10);

        // The next write in this program is not held up by what the kills left.
        QElapsedTimer after;
        after.start();
        QVERIFY(SettingsFile(path).write("Mittente", "Titolo", "finale"));
        QVERIFY(after.elapsed() < 3000);
        QCOMPARE(SettingsFile(path).read("Mittente", "Titolo"), QStringLiteral("finale"));
        verifyUntouchedKeys(SettingsFile(path));
    }

    // Two programs writing different keys at once keep both sets.
    void writersInTwoProgramsKeepEveryKey() {
        TestEnvironment env;
        const QString path = env.file("Cartaflex.ini");
        QVERIFY(TestEnvironment::writeBytes(path, kOriginal));
        constexpr int kKeys = 30;
        QList<pid_t> children;
        for (const char *who : {"A", "B"}) {
            const pid_t pid = ::fork();
            QVERIFY(pid >= 0);
            if (pid == 0) {
                int bad = 0;
                for (int i = 0; i < kKeys; ++i)
                    if (!SettingsFile(path).write(
                            "Mittente", QStringLiteral("%1%2").arg(who).arg(i), QString::number(i)))
                        ++bad;
                ::_exit(bad);
            }
            children.append(pid);
        }
        for (pid_t pid : children) {
            int status = 0;
            ::waitpid(pid, &status, 0);
            QCOMPARE(WEXITSTATUS(status), 0);
        }
        const SettingsFile s(path);
        for (const char *who : {"A", "B"})
            for (int i = 0; i < kKeys; ++i)
                QCOMPARE(s.read("Mittente", QStringLiteral("%1%2").arg(who).arg(i)),
                         QString::number(i));
        verifyUntouchedKeys(s);
    }

    // What cannot be a settings file reads as empty values, at once, and is never written.
    void fileThatIsNoSettingsFile_data() {
        QTest::addColumn<QString>("kind");
        QTest::newRow("directory") << "directory";
        QTest::newRow("fifo") << "fifo";
        QTest::newRow("device") << "device";
        QTest::newRow("oversized") << "oversized";
    }
    void fileThatIsNoSettingsFile() {
        QFETCH(QString, kind);
        TestEnvironment env;
        const QString path = env.file("Cartaflex.ini");
        if (kind == "directory") QVERIFY(QDir().mkpath(path));
        if (kind == "fifo") QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0644), 0);
        if (kind == "device") QVERIFY(QFile::link("/dev/zero", path));
        if (kind == "oversized") {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            QVERIFY(f.write("[Mittente]\r\nTitolo=grande\r\n") > 0);
            QVERIFY(f.resize(6 * 1024 * 1024));
        }
        const QByteArray before =
            kind == "oversized" ? TestEnvironment::readBytes(path) : QByteArray();
        QElapsedTimer clock;
        clock.start();
        const SettingsFile s(path);
        if (kind != "oversized") QCOMPARE(s.read("Mittente", "Titolo"), QString());
        QVERIFY(!SettingsFile(path).write("Mittente", "Titolo", "nuovo"));
        QVERIFY(clock.elapsed() < 3000);
        if (kind == "directory") QVERIFY(QFileInfo(path).isDir());
        if (kind == "fifo") QVERIFY(!QFileInfo(path).isFile());
        if (kind == "oversized") QCOMPARE(TestEnvironment::readBytes(path), before);
        QVERIFY(!QFile::exists(path + ".lock"));
    }

    // Binary garbage is read without harm; a write adds the key and keeps every line.
    void binaryGarbageIsReadAndKept() {
        TestEnvironment env;
        const QString path = env.file("Cartaflex.ini");
        QByteArray garbage;
        QRandomGenerator random(7);
        for (int i = 0; i < 20000; ++i) garbage.append(char(random.bounded(256)));
        garbage.append("\r\n[Mittente]\r\nCitta=\x00Mil\xE0no\r\n", 29);
        QVERIFY(TestEnvironment::writeBytes(path, garbage));
        const SettingsFile s(path);
        QCOMPARE(s.read("Mittente", "Citta").size(), 7);
        QVERIFY(s.read("Stampa Busta", "Orientamento").isEmpty());
        QVERIFY(SettingsFile(path).write("Mittente", "Titolo", "Rossi"));
        QCOMPARE(s.read("Mittente", "Titolo"), QStringLiteral("Rossi"));
        const QStringList before = ProfileText::parse(garbage).lines();
        const QStringList after = ProfileText::parse(TestEnvironment::readBytes(path)).lines();
        QCOMPARE(after.size(), before.size() + 1);
        for (const QString &line : before) QVERIFY(after.contains(line));
    }
};

QTEST_GUILESS_MAIN(TestSettingsRobust)
#include "tst_settingsrobust.moc"
