// Where the program keeps its files: beside the executable in a build folder or a
// portable copy, in the per-user folder once installed; and the message when the
// per-user folder cannot be made.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "platform/ProgramFolder.h"
#include "support/TestEnvironment.h"

class TestProgramFolder : public QObject {
    Q_OBJECT
    QTemporaryDir scratch;

    QString make(const QString &relative) {
        const QString path = scratch.path() + u'/' + relative;
        QDir().mkpath(path);
        return path;
    }

private slots:
    void choosesTheFolder_data() {
        QTest::addColumn<QString>("exeDir");
        QTest::addColumn<QString>("shareDir");  // made beside the executable's folder
        QTest::addColumn<bool>("perUser");
        QTest::addColumn<QString>("shippedFiles");  // relative to the scratch folder

        QTest::newRow("build folder") << "build"
                                      << "" << false << "build";
        QTest::newRow("installed prefix")
            << "prefix/bin"
            << "prefix/share/cartaflex" << true << "prefix/share/cartaflex";
        QTest::newRow("a bin folder of a portable copy") << "copia/bin"
                                                         << "copia/share" << false << "copia/bin";
        QTest::newRow("prefix with a trailing separator")
            << "altro/bin/"
            << "altro/share/cartaflex" << true << "altro/share/cartaflex";
    }
    void choosesTheFolder() {
        QFETCH(QString, exeDir);
        QFETCH(QString, shareDir);
        QFETCH(bool, perUser);
        QFETCH(QString, shippedFiles);
        const QString exe = make(exeDir);
        if (!shareDir.isEmpty()) make(shareDir);
        const QString user = scratch.path() + QStringLiteral("/home/.local/share/Cartaflex");

        QCOMPARE(ProgramFolder::choose(exe, user), perUser ? user : exe);
        QCOMPARE(QDir::cleanPath(ProgramFolder::sharedFiles(exe)),
                 QDir::cleanPath(scratch.path() + u'/' + shippedFiles));
        QCOMPARE(ProgramFolder::isInstalled(exe), perUser);
        QVERIFY(!QFileInfo::exists(user));  // choosing creates nothing
    }

    void preparesThePerUserFolder_data() {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<bool>("ok");
        QTest::newRow("first start") << "nuova/.local/share/Cartaflex" << true;
        QTest::newRow("already there") << "" << true;
        QTest::newRow("under a plain file") << "file-normale/Cartaflex" << false;
    }
    void preparesThePerUserFolder() {
        QFETCH(QString, folder);
        QFETCH(bool, ok);
        QTemporaryDir home;
        const QString plain = home.filePath(QStringLiteral("file-normale"));
        QVERIFY(TestEnvironment::writeBytes(plain, "contenuto"));
        const QString target = folder.isEmpty() ? home.path() : home.filePath(folder);

        const QString message = ProgramFolder::prepare(target);
        if (ok) {
            QCOMPARE(message, QString());
            QVERIFY(QFileInfo(target).isDir());
        } else {
            QVERIFY(message.startsWith(
                QStringLiteral("Impossibile creare la cartella dei dati di Cartaflex:\n") + target +
                u'\n'));
            QVERIFY(message.contains(QStringLiteral("Contatti.edb")));
            QVERIFY(!QFileInfo::exists(target));
            QCOMPARE(TestEnvironment::readBytes(plain), QByteArray("contenuto"));
            QCOMPARE(QDir(home.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                     QStringList{QStringLiteral("file-normale")});
        }
    }
};

QTEST_GUILESS_MAIN(TestProgramFolder)
#include "tst_programfolder.moc"
