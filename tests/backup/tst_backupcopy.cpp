#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtTest>
#include <cerrno>

#include "archive/ArchiveStore.h"
#include "backup/BackupCopy.h"
#include "backup/BackupMessages.h"
#include "backup/BackupProcedure.h"
#include "support/TestEnvironment.h"

namespace {

QString u8(const char *s) {
    return QString::fromUtf8(s);
}

// A copier whose disk fills up after some bytes, whose flush or rename fails.
class FailingCopy : public BackupCopy {
public:
    enum class Step { Write, Sync, Rename };
    FailingCopy(Step step, int error, long long allowed = 0)
        : m_step(step), m_error(error), m_allowed(allowed) {}

protected:
    long long writeBlock(int fd, const char *data, long long size) override {
        if (m_step != Step::Write) return BackupCopy::writeBlock(fd, data, size);
        const long long part = std::min(size, m_allowed);
        if (part > 0) BackupCopy::writeBlock(fd, data, part);
        m_allowed -= part;
        errno = m_error;
        return part == size ? size : -1;
    }
    bool syncToDisk(int fd) override {
        if (m_step != Step::Sync) return BackupCopy::syncToDisk(fd);
        errno = m_error;
        return false;
    }
    bool renameOver(const QString &from, const QString &to) override {
        if (m_step != Step::Rename) return BackupCopy::renameOver(from, to);
        errno = m_error;
        return false;
    }

private:
    Step m_step;
    int m_error;
    long long m_allowed;
};

QByteArray archiveBytes(int records) {
    QByteArray out;
    for (int i = 1; i <= records; ++i) {
        ContactRecord r;
        r.setValue(ContactRecord::Titolo, QStringLiteral("Contatto %1").arg(i));
        out += r.encode();
    }
    return out;
}

QStringList hiddenLeftovers(const QString &folder) {
    return QDir(folder).entryList({QStringLiteral(".*")}, QDir::Files | QDir::Hidden);
}

}  // namespace

class TestBackupCopy : public QObject {
    Q_OBJECT
private slots:
    void copyIsByteIdentical();
    void failedCopyLeavesTargetAsItWas_data();
    void failedCopyLeavesTargetAsItWas();
    void classifiesFailures_data();
    void classifiesFailures();
    void probe();
    void keepsPermissionsOfReplacedFile();

    void backupFileName_data();
    void backupFileName();
    void sizeTexts();
    void firstBackupOfTheDayAsksNothing();
    void secondBackupAsks_data();
    void secondBackupAsks();
    void backupIntoMissingFolder();
    void backupIntoUnwritableFolder();
    void restoreCopiesAnyFileUnexamined();
    void restoreGuardsTheArchive_data();
    void restoreGuardsTheArchive();
    void restoreWhenArchiveWasMissingStillAsks();
    void restoreDeclinedChangesNothing();
    void failedRestoreLeavesArchiveIntact_data();
    void failedRestoreLeavesArchiveIntact();
};

void TestBackupCopy::copyIsByteIdentical() {
    TestEnvironment env;
    const QByteArray bytes = archiveBytes(2000);  // more than one copy block
    QVERIFY(TestEnvironment::writeBytes(env.file("a"), bytes));
    BackupCopy c;
    QVERIFY(c.copy(env.file("a"), env.file("b")));
    QCOMPARE(TestEnvironment::readBytes(env.file("b")), bytes);
    QCOMPARE(c.failure(), BackupCopy::Failure::None);
    // Over an existing file, and an empty source.
    QVERIFY(TestEnvironment::writeBytes(env.file("e"), QByteArray()));
    QVERIFY(c.copy(env.file("e"), env.file("b")));
    QCOMPARE(QFileInfo(env.file("b")).size(), 0);
    QVERIFY(hiddenLeftovers(env.folder()).isEmpty());
}

void TestBackupCopy::failedCopyLeavesTargetAsItWas_data() {
    QTest::addColumn<int>("step");
    QTest::addColumn<int>("error");
    QTest::addColumn<qlonglong>("allowed");
    QTest::addColumn<int>("failure");
    QTest::addColumn<QString>("reason");
    QTest::newRow("disk full halfway")
        << int(FailingCopy::Step::Write) << ENOSPC << 1500000LL << int(BackupCopy::Failure::Other)
        << "Spazio su disco esaurito.";
    QTest::newRow("disk full at once")
        << int(FailingCopy::Step::Write) << ENOSPC << 0LL << int(BackupCopy::Failure::Other)
        << "Spazio su disco esaurito.";
    QTest::newRow("write error") << int(FailingCopy::Step::Write) << EIO << 100LL
                                 << int(BackupCopy::Failure::Other)
                                 << "Errore di lettura o scrittura sul disco.";
    QTest::newRow("flush fails") << int(FailingCopy::Step::Sync) << EIO << 0LL
                                 << int(BackupCopy::Failure::Other)
                                 << "Errore di lettura o scrittura sul disco.";
    QTest::newRow("target in use") << int(FailingCopy::Step::Rename) << EBUSY << 0LL
                                   << int(BackupCopy::Failure::Other) << "Il file è in uso.";
    QTest::newRow("medium removed") << int(FailingCopy::Step::Rename) << ENODEV << 0LL
                                    << int(BackupCopy::Failure::DriveNotReady) << "";
}

void TestBackupCopy::failedCopyLeavesTargetAsItWas() {
    QFETCH(int, step);
    QFETCH(int, error);
    QFETCH(qlonglong, allowed);
    QFETCH(int, failure);
    QFETCH(QString, reason);
    TestEnvironment env;
    const QByteArray old = archiveBytes(3);
    QVERIFY(TestEnvironment::writeBytes(env.file("target"), old));
    QVERIFY(TestEnvironment::writeBytes(env.file("source"), archiveBytes(2000)));
    FailingCopy c(FailingCopy::Step(step), error, allowed);
    QVERIFY(!c.copy(env.file("source"), env.file("target")));
    QCOMPARE(int(c.failure()), failure);
    if (!reason.isEmpty()) QCOMPARE(c.reason(), reason);
    QCOMPARE(TestEnvironment::readBytes(env.file("target")), old);
    QVERIFY2(hiddenLeftovers(env.folder()).isEmpty(),
             qPrintable(hiddenLeftovers(env.folder()).join(',')));
    QCOMPARE(QDir(env.folder()).entryList(QDir::Files).size(), 2);
}

void TestBackupCopy::classifiesFailures_data() {
    QTest::addColumn<int>("error");
    QTest::addColumn<int>("failure");
    QTest::newRow("no medium") << ENOMEDIUM << int(BackupCopy::Failure::DriveNotReady);
    QTest::newRow("no device") << ENXIO << int(BackupCopy::Failure::DriveNotReady);
    QTest::newRow("permission") << EACCES << int(BackupCopy::Failure::AccessDenied);
    QTest::newRow("read-only filesystem") << EROFS << int(BackupCopy::Failure::AccessDenied);
    QTest::newRow("no such folder") << ENOENT << int(BackupCopy::Failure::PathNotFound);
    QTest::newRow("not a folder") << ENOTDIR << int(BackupCopy::Failure::PathNotFound);
    QTest::newRow("disk full") << ENOSPC << int(BackupCopy::Failure::Other);
    QTest::newRow("busy") << EBUSY << int(BackupCopy::Failure::Other);
}

void TestBackupCopy::classifiesFailures() {
    QFETCH(int, error);
    QFETCH(int, failure);
    QCOMPARE(int(BackupCopy::classify(error)), failure);
    QVERIFY(!BackupCopy::describe(error).isEmpty());
}

void TestBackupCopy::probe() {
    TestEnvironment env;
    BackupCopy c;
    QVERIFY(TestEnvironment::writeBytes(env.file("there"), "x"));
    QCOMPARE(c.probe(env.file("there")), BackupCopy::Presence::Present);
    QCOMPARE(c.probe(env.file("absent")), BackupCopy::Presence::Missing);
    QCOMPARE(c.probe(env.file("no/such/folder/f")), BackupCopy::Presence::Failed);
    QCOMPARE(c.failure(), BackupCopy::Failure::PathNotFound);
    QCOMPARE(c.probe(env.file("there/f")),
             BackupCopy::Presence::Failed);  // a file used as a folder
    QCOMPARE(c.failure(), BackupCopy::Failure::PathNotFound);
}

void TestBackupCopy::keepsPermissionsOfReplacedFile() {
    TestEnvironment env;
    QVERIFY(TestEnvironment::writeBytes(env.file("src"), "new"));
    QVERIFY(TestEnvironment::writeBytes(env.file("dst"), "old"));
    ::chmod(QFile::encodeName(env.file("src")).constData(), 0600);
    ::chmod(QFile::encodeName(env.file("dst")).constData(), 0640);
    BackupCopy c;
    QVERIFY(c.copy(env.file("src"), env.file("dst")));
    struct stat st {};
    QCOMPARE(::stat(QFile::encodeName(env.file("dst")).constData(), &st), 0);
    QCOMPARE(int(st.st_mode & 0777), 0640);
    // A new file takes the source's permissions.
    QVERIFY(c.copy(env.file("src"), env.file("fresh")));
    QCOMPARE(::stat(QFile::encodeName(env.file("fresh")).constData(), &st), 0);
    QCOMPARE(int(st.st_mode & 0777), 0600);
}

void TestBackupCopy::backupFileName_data() {
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("name");
    QTest::newRow("no leading zeros") << QDate(2024, 3, 5) << "Backup_Contatti_5_3_2024.bkc";
    QTest::newRow("two digits") << QDate(2023, 12, 31) << "Backup_Contatti_31_12_2023.bkc";
    QTest::newRow("tenth of October") << QDate(2025, 10, 10) << "Backup_Contatti_10_10_2025.bkc";
}

void TestBackupCopy::backupFileName() {
    QFETCH(QDate, date);
    QFETCH(QString, name);
    QCOMPARE(BackupProcedure::backupFileName(date), name);
    QCOMPARE(BackupProcedure::backupPath(QStringLiteral("/media/usb"), date),
             QStringLiteral("/media/usb/") + name);
    // At the root of the file system: no doubled separator.
    QCOMPARE(BackupProcedure::backupPath(QStringLiteral("/"), date), QStringLiteral("/") + name);
}

void TestBackupCopy::sizeTexts() {
    TestEnvironment env;
    ArchiveStore store;
    BackupProcedure p(store, TestEnvironment::show);
    QVERIFY(!QFileInfo::exists(store.archivePath()));
    // A missing archive is created empty and counted as 0 bytes and 0 schede.
    QVERIFY(p.sizeText(BackupProcedure::Kind::Backup)
                .startsWith(QStringLiteral(
                    "L'archivio dati personali misura 0 byte e contiene 0 schede.\r\n\r\n")));
    QVERIFY(QFileInfo::exists(store.archivePath()));
    QVERIFY(TestEnvironment::writeBytes(store.archivePath(), archiveBytes(3) + "xyz"));
    QCOMPARE(
        p.sizeText(BackupProcedure::Kind::Backup),
        QStringLiteral("L'archivio dati personali misura 3411 byte e contiene 3 schede.\r\n\r\n"
                       "Per eseguire il backup è necessario selezionare la cartella dove si vuole "
                       "salvare la copia di sicurezza del file, dopodiché fare clic sul pulsante "
                       "Effettua backup."));
    QCOMPARE(
        p.sizeText(BackupProcedure::Kind::Restore),
        QStringLiteral("L'archivio dati personali attualmente in uso misura 3411 byte e contiene 3 "
                       "schede.\r\n\r\nPer eseguire il ripristino di una copia di sicurezza "
                       "precedentemente salvata è necessario selezionare il file di backup con "
                       "estensione .bkc, dopodiché fare clic sul pulsante Effettua ripristino."));
}

void TestBackupCopy::firstBackupOfTheDayAsksNothing() {
    TestEnvironment env;
    ArchiveStore store;
    const QByteArray bytes = archiveBytes(4);
    QVERIFY(TestEnvironment::writeBytes(store.archivePath(), bytes));
    const QString dest = env.file("chiavetta");
    QVERIFY(QDir().mkdir(dest));
    BackupProcedure p(store, TestEnvironment::show);
    QCOMPARE(p.backup(dest, QDate(2024, 3, 5)), BackupProcedure::Outcome::Done);
    QCOMPARE(p.lastTarget(), dest + QStringLiteral("/Backup_Contatti_5_3_2024.bkc"));
    QCOMPARE(TestEnvironment::readBytes(p.lastTarget()), bytes);
    QCOMPARE(env.platform().messages.size(), 1);
    const auto &m = env.platform().messages.first();
    QCOMPARE(m.text, u8(BackupMessages::kBackupDoneText));
    QCOMPARE(m.title, QStringLiteral("Salvataggio terminato"));
    QCOMPARE(m.icon, MsgIcon::Information);
    QCOMPARE(env.platform().busyShown, 1);
    QCOMPARE(env.platform().busyDepth, 0);
}

void TestBackupCopy::secondBackupAsks_data() {
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("replaced");
    QTest::newRow("No keeps the old copy") << int(MsgAnswer::No) << false;
    QTest::newRow("Yes replaces it") << int(MsgAnswer::Yes) << true;
}

void TestBackupCopy::secondBackupAsks() {
    QFETCH(int, answer);
    QFETCH(bool, replaced);
    TestEnvironment env;
    ArchiveStore store;
    const QByteArray now = archiveBytes(5);
    QVERIFY(TestEnvironment::writeBytes(store.archivePath(), now));
    const QString dest = env.file("dest");
    QVERIFY(QDir().mkdir(dest));
    const QString old = dest + QStringLiteral("/Backup_Contatti_5_3_2024.bkc");
    QVERIFY(TestEnvironment::writeBytes(old, archiveBytes(1)));
    env.platform().queueAnswer(MsgAnswer(answer));
    BackupProcedure p(store, TestEnvironment::show);
    const auto outcome = p.backup(dest, QDate(2024, 3, 5));
    QCOMPARE(outcome,
             replaced ? BackupProcedure::Outcome::Done : BackupProcedure::Outcome::Declined);
    const auto &q = env.platform().messages.first();
    QCOMPARE(q.text,
             QStringLiteral(
                 "ATTENZIONE: nella cartella di destinazione indicata è già presente una copia di "
                 "backup dell'archivio dati personali eseguita in data odierna.\r\n\r\n"
                 "Si vuole sovrascrivere la copia esistente?"));
    QCOMPARE(q.title, QStringLiteral("File di backup esistente"));
    QCOMPARE(q.icon, MsgIcon::Question);
    QCOMPARE(q.buttons, MsgButtons::YesNo);
    QCOMPARE(TestEnvironment::readBytes(old), replaced ? now : archiveBytes(1));
    QCOMPARE(env.platform().messages.size(), replaced ? 2 : 1);
    QVERIFY(hiddenLeftovers(dest).isEmpty());
}

void TestBackupCopy::backupIntoMissingFolder() {
    TestEnvironment env;
    ArchiveStore store;
    QVERIFY(TestEnvironment::writeBytes(store.archivePath(), archiveBytes(1)));
    BackupProcedure p(store, TestEnvironment::show);
    QCOMPARE(p.backup(env.file("non/esiste"), QDate(2024, 3, 5)), BackupProcedure::Outcome::Failed);
    QCOMPARE(env.platform().messages.size(), 1);
    const auto &m = env.platform().messages.first();
    QCOMPARE(m.text, QStringLiteral(
                         "Impossibile effettuare il backup.\r\n\r\n"
                         "Accertarsi che il percorso della cartella di destinazione sia valido."));
    QCOMPARE(m.title, QStringLiteral("Backup non riuscito"));
    QCOMPARE(m.icon, MsgIcon::Exclamation);
    QCOMPARE(env.platform().busyShown, 0);
}

void TestBackupCopy::backupIntoUnwritableFolder() {
    TestEnvironment env;
    const QString folder = TestEnvironment::unwritableFolder(env.folder());
    if (folder.isEmpty()) QSKIP("no folder here refuses writing");
    ArchiveStore store;
    QVERIFY(TestEnvironment::writeBytes(store.archivePath(), archiveBytes(1)));
    BackupProcedure p(store, TestEnvironment::show);
    QCOMPARE(p.backup(folder, QDate(2024, 3, 5)), BackupProcedure::Outcome::Failed);
    QCOMPARE(env.platform().messages.size(), 1);
    QCOMPARE(env.platform().messages.first().text,
             QStringLiteral(
                 "Impossibile effettuare il backup.\r\n\r\nAccertarsi che la cartella e il file di "
                 "destinazione non siano protetti dalla scrittura."));
    QCOMPARE(env.platform().busyDepth, 0);
    QFile::setPermissions(env.folder() + QStringLiteral("/sola-lettura"),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

void TestBackupCopy::restoreCopiesAnyFileUnexamined() {
    TestEnvironment env;
    ArchiveStore store;
    QVERIFY(TestEnvironment::writeBytes(store.archivePath(), archiveBytes(2)));
    const QByteArray other =
        QByteArray("Non sono un backup, ma una lista della spesa.\n").repeated(60);
    QVERIFY(TestEnvironment::writeBytes(env.file("spesa.txt"), other));
    int resets = 0;
    env.platform().queueAnswer(MsgAnswer::Yes);  // restore a file of an odd size anyway
    env.platform().queueAnswer(MsgAnswer::Yes);
    BackupProcedure p(store, TestEnvironment::show);
    p.afterRestore = [&] {
        ++resets;
        // The window is reset once the archive is in place, before the message.
        QCOMPARE(env.platform().messages.size(), 2);
    };
    QCOMPARE(p.restore(env.file("spesa.txt")), BackupProcedure::Outcome::Done);
    QCOMPARE(resets, 1);
    QCOMPARE(TestEnvironment::readBytes(store.archivePath()), other);
    QCOMPARE(store.recordCount(), int(other.size() / ContactRecord::kRecordLength));
    QCOMPARE(env.platform().messages.size(), 3);
    env.platform().messages.removeFirst();
    QCOMPARE(env.platform().messages.at(0).title, QStringLiteral("Conferma ripristino"));
    QCOMPARE(env.platform().messages.at(0).text,
             QStringLiteral(
                 "Attenzione: si sta per sovrascrivere il file di archivio attualmente in uso con "
                 "la copia di backup selezionata.\r\n\r\nSi vuole proprio sovrascrivere il file "
                 "esistente?"));
    QCOMPARE(env.platform().messages.at(1).text,
             QStringLiteral("File di backup ripristinato con successo."));
    QCOMPARE(env.platform().messages.at(1).title, QStringLiteral("Ripristino terminato"));
    QCOMPARE(env.platform().messages.at(1).icon, MsgIcon::Information);
}

// A file that cannot hold whole records is announced with its size and restored only on
// Yes; whatever is restored, the archive it replaces is kept beside it, one generation.
void TestBackupCopy::restoreGuardsTheArchive_data() {
    QTest::addColumn<QByteArray>("backup");
    QTest::addColumn<QList<int>>("answers");  // MsgAnswer values
    QTest::addColumn<QString>("warning");     // empty: none
    QTest::addColumn<int>("outcome");
    const QList<int> yes{int(MsgAnswer::Yes), int(MsgAnswer::Yes)};
    QTest::newRow("whole records") << archiveBytes(3) << QList<int>{int(MsgAnswer::Yes)}
                                   << QString() << int(BackupProcedure::Outcome::Done);
    QTest::newRow("six bytes, No by default")
        << QByteArray("Ciao!\n") << QList<int>{} << "misura 6 byte"
        << int(BackupProcedure::Outcome::Declined);
    QTest::newRow("six bytes, restored anyway")
        << QByteArray("Ciao!\n") << yes << "misura 6 byte" << int(BackupProcedure::Outcome::Done);
    QTest::newRow("one byte past whole records")
        << archiveBytes(2) + 'x' << QList<int>{int(MsgAnswer::No)} << "misura 2273 byte"
        << int(BackupProcedure::Outcome::Declined);
    QTest::newRow("empty") << QByteArray() << QList<int>{} << "misura 0 byte"
                           << int(BackupProcedure::Outcome::Declined);
}

void TestBackupCopy::restoreGuardsTheArchive() {
    QFETCH(QByteArray, backup);
    QFETCH(QList<int>, answers);
    QFETCH(QString, warning);
    QFETCH(int, outcome);
    TestEnvironment env;
    ArchiveStore store;
    const QString previous = env.file(BackupMessages::kPreviousArchiveName);
    QVERIFY(TestEnvironment::writeBytes(previous, "an older generation"));
    const QByteArray before = archiveBytes(4);
    QVERIFY(TestEnvironment::writeBytes(store.archivePath(), before));
    QVERIFY(TestEnvironment::writeBytes(env.file("b.bkc"), backup));
    for (int a : answers) env.platform().queueAnswer(MsgAnswer(a));
    BackupProcedure p(store, TestEnvironment::show);
    QCOMPARE(p.previousArchivePath(), previous);
    QCOMPARE(int(p.restore(env.file("b.bkc"))), outcome);

    const auto &first = env.platform().messages.first();
    if (warning.isEmpty()) {
        QCOMPARE(first.title, QStringLiteral("Conferma ripristino"));
    } else {
        QVERIFY2(first.text.contains(warning), qPrintable(first.text));
        QVERIFY(first.text.endsWith(QStringLiteral("\r\n\r\nRipristinare comunque?")));
        QCOMPARE(first.buttons, MsgButtons::YesNoDefaultNo);
        QCOMPARE(first.icon, MsgIcon::Exclamation);
    }
    if (outcome == int(BackupProcedure::Outcome::Done)) {
        QCOMPARE(TestEnvironment::readBytes(store.archivePath()), backup);
        QCOMPARE(TestEnvironment::readBytes(previous), before);
        // Restoring the kept archive undoes the restore.
        env.platform().queueAnswer(MsgAnswer::Yes);
        QCOMPARE(p.restore(previous), BackupProcedure::Outcome::Done);
        QCOMPARE(TestEnvironment::readBytes(store.archivePath()), before);
    } else {
        QCOMPARE(env.platform().messages.size(), 1);
        QCOMPARE(TestEnvironment::readBytes(store.archivePath()), before);
        QCOMPARE(TestEnvironment::readBytes(previous), QByteArray("an older generation"));
    }
    QVERIFY(hiddenLeftovers(env.folder()).isEmpty());
}

void TestBackupCopy::restoreWhenArchiveWasMissingStillAsks() {
    TestEnvironment env;
    ArchiveStore store;
    QVERIFY(TestEnvironment::writeBytes(env.file("b.bkc"), archiveBytes(3)));
    BackupProcedure p(store, TestEnvironment::show);
    // Loading the restore page counts the archive, which creates it empty.
    QVERIFY(p.sizeText(BackupProcedure::Kind::Restore)
                .contains(QStringLiteral("misura 0 byte e contiene 0 schede")));
    env.platform().queueAnswer(MsgAnswer::Yes);
    QCOMPARE(p.restore(env.file("b.bkc")), BackupProcedure::Outcome::Done);
    QCOMPARE(env.platform().messages.first().title, QStringLiteral("Conferma ripristino"));
    QCOMPARE(store.recordCount(), 3);
}

void TestBackupCopy::restoreDeclinedChangesNothing() {
    TestEnvironment env;
    ArchiveStore store;
    const QByteArray bytes = archiveBytes(2);
    QVERIFY(TestEnvironment::writeBytes(store.archivePath(), bytes));
    QVERIFY(TestEnvironment::writeBytes(env.file("b.bkc"), archiveBytes(7)));
    bool reset = false;
    BackupProcedure p(store, TestEnvironment::show);
    p.afterRestore = [&] { reset = true; };
    QCOMPARE(p.restore(env.file("b.bkc")),
             BackupProcedure::Outcome::Declined);  // no answer queued: No
    QCOMPARE(TestEnvironment::readBytes(store.archivePath()), bytes);
    QVERIFY(!reset);
    QCOMPARE(env.platform().messages.size(), 1);
}

void TestBackupCopy::failedRestoreLeavesArchiveIntact_data() {
    QTest::addColumn<QString>("source");
    QTest::addColumn<int>("failStep");  // -1: a real copy
    QTest::addColumn<QString>("secondLine");
    QTest::newRow("backup file gone") << "sparito.bkc" << -1 << "Il file da copiare non esiste.";
    QTest::newRow("a folder chosen")
        << "cartella" << -1 << "Il percorso indica una cartella, non un file.";
    QTest::newRow("disk full") << "b.bkc" << int(FailingCopy::Step::Write)
                               << "Spazio su disco esaurito.";
    QTest::newRow("archive in use")
        << "b.bkc" << int(FailingCopy::Step::Rename) << "Il file è in uso.";
}

void TestBackupCopy::failedRestoreLeavesArchiveIntact() {
    QFETCH(QString, source);
    QFETCH(int, failStep);
    QFETCH(QString, secondLine);
    TestEnvironment env;
    ArchiveStore store;
    const QByteArray bytes = archiveBytes(3);
    QVERIFY(TestEnvironment::writeBytes(store.archivePath(), bytes));
    QVERIFY(TestEnvironment::writeBytes(env.file("b.bkc"), archiveBytes(900)));
    QVERIFY(QDir().mkdir(env.file("cartella")));
    std::unique_ptr<BackupCopy> copier;
    if (failStep >= 0) {
        const int error = failStep == int(FailingCopy::Step::Write) ? ENOSPC : EBUSY;
        copier = std::make_unique<FailingCopy>(FailingCopy::Step(failStep), error, 4096);
    }
    BackupProcedure p(store, TestEnvironment::show, std::move(copier));
    bool reset = false;
    p.afterRestore = [&] { reset = true; };
    env.platform().queueAnswer(MsgAnswer::Yes);
    QCOMPARE(p.restore(env.file(source)), BackupProcedure::Outcome::Failed);
    QCOMPARE(TestEnvironment::readBytes(store.archivePath()), bytes);
    QVERIFY(!reset);
    QVERIFY(hiddenLeftovers(env.folder()).isEmpty());
    QCOMPARE(env.platform().messages.size(), 2);
    const auto &m = env.platform().messages.at(1);
    QCOMPARE(m.text, QStringLiteral("Impossibile effettuare il ripristino.\r\n\r\n") + secondLine);
    QCOMPARE(m.title, QStringLiteral("Ripristino non riuscito"));
    QCOMPARE(m.icon, MsgIcon::Exclamation);
    QCOMPARE(env.platform().busyDepth, 0);
}

QTEST_GUILESS_MAIN(TestBackupCopy)
#include "tst_backupcopy.moc"
