#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "office/OfficeAvailability.h"
#include "support/TestEnvironment.h"

namespace {

// A PATH of our own for the duration of a test, with small stand-in programs.
class FakePath {
public:
    FakePath() : m_saved(qgetenv("PATH")) { qputenv("PATH", QFile::encodeName(m_dir.path())); }
    ~FakePath() { qputenv("PATH", m_saved); }
    QString add(const QString &name, const QByteArray &script) {
        const QString path = m_dir.path() + u'/' + name;
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write("#!/bin/sh\n" + script + "\n");
        f.close();
        f.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        return path;
    }

private:
    QTemporaryDir m_dir;
    QByteArray m_saved;
};

}  // namespace

class TestOfficeAvailability : public QObject {
    Q_OBJECT
private slots:
    void nothingInstalled();
    void libreOfficeOpensAsNewDocument();
    void registeredApplicationUsesShellOpen_data();
    void registeredApplicationUsesShellOpen();
    void fileThatCannotBeShown_data();
    void fileThatCannotBeShown();
};

void TestOfficeAvailability::nothingInstalled() {
    TestEnvironment env;
    FakePath path;
    QVERIFY(!OfficeAvailability::isAvailable(OfficeAvailability::Kind::Spreadsheet));
    QVERIFY(!OfficeAvailability::isAvailable(OfficeAvailability::Kind::Document));
    // An xdg-mime that knows no application for the type does not count.
    path.add(QStringLiteral("xdg-mime"), "exit 0");
    QVERIFY(!OfficeAvailability::isAvailable(OfficeAvailability::Kind::Document));
    path.add(QStringLiteral("xdg-mime"), "echo broken.desktop; exit 3");
    QVERIFY(!OfficeAvailability::isAvailable(OfficeAvailability::Kind::Document));
}

void TestOfficeAvailability::libreOfficeOpensAsNewDocument() {
    TestEnvironment env;
    FakePath path;
    const QString soffice = path.add(QStringLiteral("libreoffice"), "exit 0");
    path.add(QStringLiteral("libsclo.so"), "");
    QVERIFY(OfficeAvailability::isAvailable(OfficeAvailability::Kind::Spreadsheet));
    QCOMPARE(OfficeAvailability::libreOfficeProgram(), soffice);
    QVERIFY(OfficeAvailability::openAsNewDocument(QStringLiteral("/tmp/x.xlsx"),
                                                  OfficeAvailability::Kind::Spreadsheet));
    QCOMPARE(env.platform().startedPrograms.size(), 1);
    QCOMPARE(env.platform().startedPrograms.first(),
             (QStringList{soffice, QStringLiteral("-n"), QStringLiteral("/tmp/x.xlsx")}));
    QVERIFY(env.platform().openedUrls.isEmpty());
    // soffice is preferred over libreoffice.
    const QString preferred = path.add(QStringLiteral("soffice"), "exit 0");
    QCOMPARE(OfficeAvailability::libreOfficeProgram(), preferred);
    // A program that does not start is reported.
    env.platform().setStartProgramResult(false);
    QVERIFY(!OfficeAvailability::openAsNewDocument(QStringLiteral("/tmp/x.xlsx"),
                                                   OfficeAvailability::Kind::Spreadsheet));
}

void TestOfficeAvailability::registeredApplicationUsesShellOpen_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("mime");
    QTest::newRow("spreadsheet")
        << int(OfficeAvailability::Kind::Spreadsheet)
        << "application/vnd.openxmlformats-officedocument.spreadsheetml.sheet";
    QTest::newRow("document") << int(OfficeAvailability::Kind::Document)
                              << "application/vnd.oasis.opendocument.text";
}

void TestOfficeAvailability::registeredApplicationUsesShellOpen() {
    QFETCH(int, kind);
    QFETCH(QString, mime);
    TestEnvironment env;
    FakePath path;
    // Answers only for the asked type, as the real query does.
    path.add(QStringLiteral("xdg-mime"),
             "[ \"$1\" = query ] && [ \"$2\" = default ] && [ \"$3\" = \"" + mime.toUtf8() +
                 "\" ] && echo office.desktop");
    const auto k = OfficeAvailability::Kind(kind);
    QCOMPARE(OfficeAvailability::mimeType(k), mime);
    QCOMPARE(OfficeAvailability::defaultApplication(mime), QStringLiteral("office.desktop"));
    QVERIFY(OfficeAvailability::isAvailable(k));
    const auto other = k == OfficeAvailability::Kind::Document
                           ? OfficeAvailability::Kind::Spreadsheet
                           : OfficeAvailability::Kind::Document;
    QVERIFY(!OfficeAvailability::isAvailable(other));
    QVERIFY(OfficeAvailability::openAsNewDocument(QStringLiteral("/tmp/f"), k));
    QVERIFY(env.platform().startedPrograms.isEmpty());
    QCOMPARE(env.platform().openedUrls, QStringList{QStringLiteral("/tmp/f")});
}

// A launcher is no office without the module of the kind; a file that the started program
// does not show is announced, and can be saved where the user wants it.
void TestOfficeAvailability::fileThatCannotBeShown_data() {
    QTest::addColumn<QString>("module");  // beside the launcher
    QTest::addColumn<bool>("available");
    QTest::addColumn<bool>("starts");
    QTest::addColumn<QString>("saveAs");  // empty: No to the offer
    QTest::newRow("launcher alone") << "" << false << true << "";
    QTest::newRow("word processor only") << "libswlo.so" << false << true << "";
    QTest::newRow("opens") << "libsclo.so" << true << true << "";
    QTest::newRow("fails, not saved") << "libsclo.so" << true << false << "";
    QTest::newRow("fails, saved") << "libsclo.so" << true << false << "Copia.xlsx";
}

void TestOfficeAvailability::fileThatCannotBeShown() {
    QFETCH(QString, module);
    QFETCH(bool, available);
    QFETCH(bool, starts);
    QFETCH(QString, saveAs);
    TestEnvironment env;
    FakePath path;
    path.add(QStringLiteral("soffice"), "exit 0");
    if (!module.isEmpty()) path.add(module, "");
    const auto kind = OfficeAvailability::Kind::Spreadsheet;
    QCOMPARE(OfficeAvailability::isAvailable(kind), available);
    if (!available) return;

    const QString file = env.file(QStringLiteral("Archivio.xlsx"));
    QVERIFY(TestEnvironment::writeBytes(file, "PK workbook"));
    env.platform().setStartProgramResult(starts);
    if (!saveAs.isEmpty()) {
        env.platform().queueAnswer(MsgAnswer::Yes);
        env.platform().queueSaveFile(env.file(saveAs));
    }
    const MessageFlow offer = OfficeAvailability::openOrOfferSave(file, kind);
    offer.run(TestEnvironment::show);
    QCOMPARE(offer.message.isEmpty(), starts);
    QCOMPARE(env.platform().messages.size(), starts ? 0 : 1);
    if (starts) return;
    const auto &m = env.platform().messages.first();
    QCOMPARE(m.title, QStringLiteral("Impossibile aprire il file"));
    QVERIFY2(m.text.contains(QStringLiteral("Archivio.xlsx")), qPrintable(m.text));
    QVERIFY(m.text.endsWith(QStringLiteral("Salvare il file con nome, per aprirlo più tardi?")));
    QCOMPARE(m.buttons, MsgButtons::YesNo);
    QCOMPARE(env.platform().dialogs.size(), saveAs.isEmpty() ? 0 : 1);
    if (!saveAs.isEmpty()) {
        QCOMPARE(env.platform().dialogs.first().title, QStringLiteral("Salva con nome…"));
        QCOMPARE(TestEnvironment::readBytes(env.file(saveAs)), QByteArray("PK workbook"));
    }
}

QTEST_GUILESS_MAIN(TestOfficeAvailability)
#include "tst_officeavailability.moc"
