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

    // A program folder that cannot be written but holds an archive: the archive, the
    // settings and the logo are copied once to the per-user folder, never over what is
    // there; the user is told once, with both folders.
    void adoptsTheProgramFoldersArchive_data() {
        QTest::addColumn<QStringList>("inProgram");
        QTest::addColumn<QStringList>("inUser");
        QTest::addColumn<QString>("told");             // a phrase of the message, empty: nothing
        QTest::addColumn<QStringList>("fromProgram");  // the user's files that came over
        const QStringList all{"Contatti.edb", "Cartaflex.ini", "Logo.bmp"};
        QTest::newRow("copied") << all << QStringList() << "è stato copiato" << all;
        QTest::newRow("the user's settings stay")
            << all << QStringList{"Cartaflex.ini"} << "è stato copiato"
            << QStringList{"Contatti.edb", "Logo.bmp"};
        QTest::newRow("both hold an archive")
            << all << QStringList{"Contatti.edb"} << "contengono entrambe" << QStringList();
        QTest::newRow("no archive in the program folder")
            << QStringList{"Cartaflex.ini"} << QStringList() << "" << QStringList();
    }
    void adoptsTheProgramFoldersArchive() {
        QFETCH(QStringList, inProgram);
        QFETCH(QStringList, inUser);
        QFETCH(QString, told);
        QFETCH(QStringList, fromProgram);
        QTemporaryDir root;
        const QString program = root.filePath(QStringLiteral("programma"));
        const QString user = root.filePath(QStringLiteral("utente/Cartaflex"));
        QDir().mkpath(program);
        for (const QString &f : inProgram)
            QVERIFY(TestEnvironment::writeBytes(program + u'/' + f, "programma"));
        if (!inUser.isEmpty()) QDir().mkpath(user);
        for (const QString &f : inUser)
            QVERIFY(TestEnvironment::writeBytes(user + u'/' + f, "utente"));

        const QString message = ProgramFolder::adoptArchive(program, user);
        if (told.isEmpty()) {
            QCOMPARE(message, QString());
            QVERIFY(!QFileInfo::exists(user));
            return;
        }
        QVERIFY2(message.contains(told), qPrintable(message));
        QVERIFY(message.contains(program) && message.contains(user));
        for (const QString &f : QStringList{"Contatti.edb", "Cartaflex.ini", "Logo.bmp"}) {
            const QByteArray expected = fromProgram.contains(f) ? "programma"
                                        : inUser.contains(f)    ? "utente"
                                                                : QByteArray();
            QCOMPARE(TestEnvironment::readBytes(user + u'/' + f), expected);
            QCOMPARE(TestEnvironment::readBytes(program + u'/' + f),
                     inProgram.contains(f) ? QByteArray("programma") : QByteArray());
        }
        // Told once.
        QCOMPARE(ProgramFolder::adoptArchive(program, user), QString());
    }
};

QTEST_GUILESS_MAIN(TestProgramFolder)
#include "tst_programfolder.moc"
