#include <QDir>
#include <QFile>
#include <QTest>

#include "archive/SettingsFile.h"
#include "support/TestEnvironment.h"

class TestSettingsFile : public QObject {
    Q_OBJECT
private slots:
    void missingFileReadsEmptyAndFirstWriteCreatesIt() {
        TestEnvironment env;
        SettingsFile ini;
        QCOMPARE(ini.filePath(), env.file("Cartaflex.ini"));
        QCOMPARE(ini.read("Impostazioni Colore", "Colore Titolo"), QString());
        QVERIFY(!QFile::exists(ini.filePath()));
        QVERIFY(ini.write("Impostazioni Colore", "Colore Titolo", "255"));
        QCOMPARE(ini.read("Impostazioni Colore", "Colore Titolo"), QStringLiteral("255"));
        QCOMPARE(ini.read("Impostazioni Colore", "Colore Sottotitolo"), QString());
        QCOMPARE(ini.read("Mittente", "Colore Titolo"), QString());
    }

    void rootFolderPath() {
        QCOMPARE(SettingsFile().filePath().endsWith("/Cartaflex.ini"), true);
        TestEnvironment env;
        QVERIFY(!SettingsFile().filePath().contains("//"));
    }

    void windowsFileReadsTheSame() {
        TestEnvironment env;
        const QByteArray windows =
            "; salvato su Windows\r\n"
            "[IMPOSTAZIONI COLORE]\r\n"
            "colore titolo = 16711680 \r\n"
            "Colore Sottotitolo=\r\n"
            "\r\n"
            "[Mittente]\r\n"
            "Titolo=Studio Ferr\xE0 & C.\r\n"
            "Citta=\"  Forl\xEC  \"\r\n"
            "[Stampa Busta]\r\n"
            "ORIENTAMENTO=Orizzontale\r\n";
        QVERIFY(TestEnvironment::writeBytes(env.file("Cartaflex.ini"), windows));
        SettingsFile ini;
        QCOMPARE(ini.read("Impostazioni Colore", "Colore Titolo"), QStringLiteral("16711680"));
        QCOMPARE(ini.read("impostazioni colore", "COLORE SOTTOTITOLO"), QString());
        QCOMPARE(ini.read("Mittente", "Titolo"), QString::fromUtf8("Studio Ferrà & C."));
        QCOMPARE(ini.read("Mittente", "Citta"), QString::fromUtf8("  Forlì  "));
        QCOMPARE(ini.read("Stampa Busta", "Orientamento"), QStringLiteral("Orizzontale"));
    }

    void writeReplacesInPlaceAndKeepsEveryOtherLine() {
        TestEnvironment env;
        const QByteArray before =
            "; commento\r\n[Mittente]\r\nTitolo=Vecchio\r\nIndirizzo=Via Roma 1\r\n\r\n"
            "[Altro]\r\nx=1\r\n";
        QVERIFY(TestEnvironment::writeBytes(env.file("Cartaflex.ini"), before));
        SettingsFile ini;
        QVERIFY(ini.write("MITTENTE", "titolo", QString::fromUtf8("Nuovo è")));
        QVERIFY(ini.write("Mittente", "Citta", "Bologna"));
        QVERIFY(ini.write("Stampa Busta", "Orientamento", "Verticale"));
        const QByteArray after = TestEnvironment::readBytes(env.file("Cartaflex.ini"));
        QCOMPARE(after, QByteArray("; commento\r\n[Mittente]\r\ntitolo=Nuovo \xE8\r\n"
                                   "Indirizzo=Via Roma 1\r\nCitta=Bologna\r\n\r\n[Altro]\r\nx=1\r\n"
                                   "[Stampa Busta]\r\nOrientamento=Verticale\r\n"));
        QCOMPARE(ini.read("Mittente", "Titolo"), QString::fromUtf8("Nuovo è"));
    }

    void longValuesAreReadCutAt255() {
        TestEnvironment env;
        SettingsFile ini;
        QVERIFY(ini.write("Mittente", "Informazioni", QString(300, u'a')));
        QCOMPARE(ini.read("Mittente", "Informazioni"), QString(255, u'a'));
    }

    void lineBreaksInAValueCannotAddKeys() {
        TestEnvironment env;
        SettingsFile ini;
        QVERIFY(
            ini.write("Mittente", "Titolo", "Rossi\r\n[Stampa Busta]\nOrientamento=Orizzontale"));
        QCOMPARE(ini.read("Stampa Busta", "Orientamento"), QString());
        QVERIFY(ini.read("Mittente", "Titolo").startsWith("Rossi"));
    }

    void refusedWritesLeaveTheFileAsItWas() {
        TestEnvironment env;
        const QByteArray before = "[Mittente]\r\nTitolo=A\r\n";
        const QString path = env.file("Cartaflex.ini");
        QVERIFY(TestEnvironment::writeBytes(path, before));
        QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup);
        SettingsFile ini;
        QVERIFY(!ini.write("Mittente", "Titolo", "B"));
        QCOMPARE(TestEnvironment::readBytes(path), before);
        QCOMPARE(ini.read("Mittente", "Titolo"), QStringLiteral("A"));
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);

        QDir(env.folder()).mkdir("ro");
        const QString ro = env.folder() + "/ro";
        QFile::setPermissions(ro, QFile::ReadOwner | QFile::ExeOwner);
        SettingsFile inRo(ro + "/Cartaflex.ini");
        QVERIFY(!inRo.write("Mittente", "Titolo", "B"));
        QVERIFY(!QFile::exists(ro + "/Cartaflex.ini"));
        QVERIFY(QDir(ro).entryList(QDir::Files | QDir::Hidden).isEmpty());
        QFile::setPermissions(ro, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    void aFolderOrGarbageIsNoSettingsFile() {
        TestEnvironment env;
        QVERIFY(QDir(env.folder()).mkdir("Cartaflex.ini"));
        SettingsFile ini;
        QCOMPARE(ini.read("Mittente", "Titolo"), QString());
        QVERIFY(!ini.write("Mittente", "Titolo", "A"));
        QVERIFY(QFileInfo(env.file("Cartaflex.ini")).isDir());

        TestEnvironment env2;
        QByteArray garbage;
        for (int i = 0; i < 5000; ++i) garbage.append(char((i * 7919) & 0xFF));
        QVERIFY(TestEnvironment::writeBytes(env2.file("Cartaflex.ini"), garbage));
        SettingsFile ini2;
        ini2.read("Mittente", "Titolo");  // no crash, any value
        QVERIFY(ini2.write("Mittente", "Titolo", "Rossi"));
        QCOMPARE(ini2.read("Mittente", "Titolo"), QStringLiteral("Rossi"));
    }

    void noTemporaryFilesLeftBehind() {
        TestEnvironment env;
        SettingsFile ini;
        for (int i = 0; i < 20; ++i) QVERIFY(ini.write("Mittente", "Titolo", QString::number(i)));
        QCOMPARE(QDir(env.folder()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{"Cartaflex.ini"});
    }
};

QTEST_GUILESS_MAIN(TestSettingsFile)
#include "tst_settingsfile.moc"
