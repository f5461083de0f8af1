#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTest>
#include <memory>

#include "archive/ArchiveLock.h"
#include "archive/ArchiveMessages.h"
#include "archive/ArchiveStore.h"
#include "archive/frmArchivio.h"
#include "support/TestEnvironment.h"
#include "ui/Hub.h"

// The archive window sharing its archive with other copies of the program: a window whose
// change meets another writer's lock tells the user the archive is in use and changes
// nothing; a window and the terminal front end writing at once lose nothing.
namespace {

QString u8(const char *s) {
    return QString::fromUtf8(s);
}

ContactRecord contact(const QString &name) {
    ContactRecord r;
    r.setValue(ContactRecord::Titolo, name);
    return r;
}

QString cli() {
    return QStringLiteral(CARTAFLEX_BINARY_DIR "/cartaflex-cli");
}

// Another program holding the archive's writers' lock until it is killed. The child only
// makes system calls, so forking from a running application is safe.
class LockHolder {
public:
    explicit LockHolder(const QString &archive) {
        const QByteArray path = QFile::encodeName(ArchiveLock::lockPathFor(archive));
        int ready[2];
        if (::pipe(ready) != 0) return;
        m_pid = ::fork();
        if (m_pid == 0) {
            const int fd = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
            const char ok = (fd >= 0 && ::flock(fd, LOCK_EX) == 0) ? 'y' : 'n';
            (void)!::write(ready[1], &ok, 1);
            for (;;) ::pause();
        }
        char ok = 0;
        m_held = m_pid > 0 && ::read(ready[0], &ok, 1) == 1 && ok == 'y';
        ::close(ready[0]);
        ::close(ready[1]);
    }
    ~LockHolder() {
        if (m_pid > 0) {
            ::kill(m_pid, SIGKILL);
            ::waitpid(m_pid, nullptr, 0);
        }
    }
    bool held() const { return m_held; }

private:
    pid_t m_pid = -1;
    bool m_held = false;
};

}  // namespace

class TestFrmArchivioShared : public QObject {
    Q_OBJECT

    std::unique_ptr<TestEnvironment> env;
    std::unique_ptr<frmArchivio> w;

    void openWindow() {
        w = std::make_unique<frmArchivio>();
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
    }

private slots:
    void init() {
        Hub::instance().reset();
        env = std::make_unique<TestEnvironment>();
    }
    void cleanup() {
        w.reset();
        Hub::instance().reset();
        env.reset();
    }

    // Save of a new contact, save of the shown one and delete, each while another copy
    // holds the archive: the "in use" message (not the protection message), the window as
    // it was, the file byte for byte as it was; the next save after the other copy ends
    // goes through.
    void changesWhileAnotherCopyWritesGetTheInUseMessage_data() {
        QTest::addColumn<QString>("change");
        QTest::newRow("save of a new contact") << "add";
        QTest::newRow("save of the shown contact") << "update";
        QTest::newRow("delete") << "delete";
    }
    void changesWhileAnotherCopyWritesGetTheInUseMessage() {
        QFETCH(QString, change);
        ArchiveStore store(env->folder());
        for (const char *n : {"Primo", "Secondo"}) QVERIFY(store.appendRecord(contact(n)) > 0);
        const QByteArray before = TestEnvironment::readBytes(store.archivePath());
        openWindow();
        if (change != "add") w->cmdUltimo->click();
        w->txtTitolo->setText(QStringLiteral("Cambiato"));
        const QString label = w->lblPosizione->text();

        auto holder = std::make_unique<LockHolder>(store.archivePath());
        QVERIFY(holder->held());
        env->platform().clear();
        QElapsedTimer clock;
        clock.start();
        if (change == "delete") {
            env->platform().queueAnswer(MsgAnswer::Yes);
            w->picVuoto->click();
        } else {
            w->cmdSalva->click();
        }
        QVERIFY(clock.elapsed() >= ArchiveLock::kDefaultWaitMs - 500);
        const auto *m = env->platform().lastMessage();
        QVERIFY(m);
        QCOMPARE(m->text, u8(ArchiveLock::kBusyText));
        QCOMPARE(m->title, u8(ArchiveLock::kBusyTitle));
        QCOMPARE(m->icon, MsgIcon::Exclamation);
        QCOMPARE(env->platform().beeps, 1);
        QCOMPARE(TestEnvironment::readBytes(store.archivePath()), before);
        QCOMPARE(w->lblPosizione->text(), label);
        QCOMPARE(w->txtTitolo->text(), QStringLiteral("Cambiato"));

        holder.reset();
        env->platform().clear();
        if (change == "delete") {
            env->platform().queueAnswer(MsgAnswer::Yes);
            w->picVuoto->click();
            QCOMPARE(store.recordCount(), 1);
            QCOMPARE(env->platform().lastMessage()->text, u8(ArchiveMessages::kDeletedText));
        } else {
            w->cmdSalva->click();
            QCOMPARE(store.recordCount(), change == "add" ? 3 : 2);
            QCOMPARE(env->platform().lastMessage()->title, u8(ArchiveMessages::kSavedTitle));
        }
    }

    // The window shows record 2 while the terminal deletes record 1, so that another
    // contact moves into number 2: the window's save or delete writes nothing, says so in
    // one message and shows record 2 as it is now; the next save writes that contact.
    void aContactChangedByAnotherCopyIsNeitherOverwrittenNorDeleted_data() {
        QTest::addColumn<QString>("change");
        QTest::newRow("save") << "save";
        QTest::newRow("delete") << "delete";
    }
    void aContactChangedByAnotherCopyIsNeitherOverwrittenNorDeleted() {
        QFETCH(QString, change);
        ArchiveStore store(env->folder());
        for (const char *n : {"Primo", "Secondo", "Terzo"})
            QVERIFY(store.appendRecord(contact(n)) > 0);
        openWindow();
        w->cmdPrimo->click();
        w->cmdAvanti->click();
        QCOMPARE(w->txtTitolo->text(), QStringLiteral("Secondo"));
        const QString label = w->lblPosizione->text();
        QCOMPARE(QProcess::execute(cli(), {QStringLiteral("--folder"), env->folder(),
                                           QStringLiteral("delete"), QStringLiteral("1")}),
                 0);
        const QByteArray after = TestEnvironment::readBytes(store.archivePath());

        w->txtTel->setText(QStringLiteral("0123"));
        env->platform().clear();
        if (change == "delete") {
            env->platform().queueAnswer(MsgAnswer::Yes);
            w->picVuoto->click();
        } else {
            w->cmdSalva->click();
        }
        const auto *m = env->platform().lastMessage();
        QVERIFY(m);
        QCOMPARE(m->text, u8(ArchiveMessages::kChangedElsewhereText));
        QCOMPARE(m->title, u8(ArchiveMessages::kChangedElsewhereTitle));
        QCOMPARE(TestEnvironment::readBytes(store.archivePath()), after);
        QCOMPARE(w->lblPosizione->text(), label);
        QCOMPARE(w->txtTitolo->text(), QStringLiteral("Terzo"));
        QCOMPARE(w->txtTel->text(), QString());

        w->txtTel->setText(QStringLiteral("0456"));
        env->platform().clear();
        w->cmdSalva->click();
        QCOMPARE(env->platform().lastMessage()->title, u8(ArchiveMessages::kSavedTitle));
        const QList<ContactRecord> all = store.readAll();
        QCOMPARE(all.size(), 2);
        QCOMPARE(all.at(0).titolo(), QStringLiteral("Secondo"));
        QCOMPARE(all.at(1).titolo(), QStringLiteral("Terzo"));
        QCOMPARE(all.at(1).value(ContactRecord::Tel), QStringLiteral("0456"));
    }

    // The window and a terminal process write the same archive at the same time: the
    // window rewrites record 1 and adds contacts, the terminal rewrites record 2 and adds
    // its own. Every save succeeds, every contact is there once, each record holds its
    // writer's last value, and the untouched records are byte for byte as they were.
    void windowAndTerminalWritingTogetherLoseNothing() {
        constexpr int kBase = 200;
        constexpr int kRounds = 25;
        ArchiveStore store(env->folder());
        for (int i = 1; i <= kBase; ++i)
            QCOMPARE(store.appendRecord(contact(QStringLiteral("Base%1").arg(i))), i);
        const QByteArray original = TestEnvironment::readBytes(store.archivePath());
        openWindow();

        QProcess terminal;
        terminal.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        terminal.start(QStringLiteral("sh"),
                       {QStringLiteral("-c"),
                        QStringLiteral("for i in $(seq 1 %1); do "
                                       "\"$0\" --folder \"$1\" update 2 Fax=T$i || exit 1; "
                                       "\"$0\" --folder \"$1\" add Titolo=Term_$i >/dev/null "
                                       "|| exit 1; done")
                            .arg(kRounds),
                        cli(), env->folder()});
        QVERIFY(terminal.waitForStarted());

        int failures = 0;
        for (int i = 1; i <= kRounds; ++i) {
            w->cmdPrimo->click();
            w->txtTel->setText(QStringLiteral("W%1").arg(i));
            env->platform().clear();
            w->cmdSalva->click();
            if (env->platform().lastMessage()->title != u8(ArchiveMessages::kSavedTitle))
                ++failures;
            w->cmdNuovo->click();
            w->txtTitolo->setText(QStringLiteral("Win_%1").arg(i));
            env->platform().clear();
            w->cmdSalva->click();
            if (env->platform().lastMessage()->title != u8(ArchiveMessages::kSavedTitle))
                ++failures;
            QCoreApplication::processEvents();
        }
        QVERIFY(terminal.waitForFinished(120000));
        QCOMPARE(terminal.exitCode(), 0);
        QCOMPARE(failures, 0);

        const QList<ContactRecord> all = store.readAll();
        QCOMPARE(all.size(), kBase + 2 * kRounds);
        QCOMPARE(all.at(0).value(ContactRecord::Tel), QStringLiteral("W%1").arg(kRounds));
        QCOMPARE(all.at(1).value(ContactRecord::Fax), QStringLiteral("T%1").arg(kRounds));
        const QByteArray now = TestEnvironment::readBytes(store.archivePath());
        const qint64 len = ContactRecord::kRecordLength;
        QCOMPARE(now.mid(2 * len, (kBase - 2) * len), original.mid(2 * len, (kBase - 2) * len));
        QMap<QString, int> seen;
        for (int i = kBase; i < all.size(); ++i) ++seen[all.at(i).titolo()];
        for (int i = 1; i <= kRounds; ++i) {
            QCOMPARE(seen.value(QStringLiteral("Win_%1").arg(i)), 1);
            QCOMPARE(seen.value(QStringLiteral("Term_%1").arg(i)), 1);
        }
        QVERIFY(!QFile::exists(ArchiveLock::lockPathFor(store.archivePath())));
        QVERIFY(!QFile::exists(store.archivePath(QString::fromLatin1(ArchiveStore::kTempName))));
    }
};

QTEST_MAIN(TestFrmArchivioShared)
#include "tst_frmArchivioShared.moc"
