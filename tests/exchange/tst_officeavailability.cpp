#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "exchange/OfficeAvailability.h"
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
    QVERIFY(OfficeAvailability::isAvailable(OfficeAvailability::Kind::Spreadsheet));
    QCOMPARE(OfficeAvailability::libreOfficeProgram(), soffice);
    QVERIFY(OfficeAvailability::openAsNewDocument(QStringLiteral("/tmp/x.xlsx")));
    QCOMPARE(env.platform().startedPrograms.size(), 1);
    QCOMPARE(env.platform().startedPrograms.first(),
             (QStringList{soffice, QStringLiteral("-n"), QStringLiteral("/tmp/x.xlsx")}));
    QVERIFY(env.platform().openedUrls.isEmpty());
    // soffice is preferred over libreoffice.
    const QString preferred = path.add(QStringLiteral("soffice"), "exit 0");
    QCOMPARE(OfficeAvailability::libreOfficeProgram(), preferred);
    // A program that does not start is reported.
    env.platform().setStartProgramResult(false);
    QVERIFY(!OfficeAvailability::openAsNewDocument(QStringLiteral("/tmp/x.xlsx")));
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
    QVERIFY(OfficeAvailability::openAsNewDocument(QStringLiteral("/tmp/f")));
    QVERIFY(env.platform().startedPrograms.isEmpty());
    QCOMPARE(env.platform().openedUrls, QStringList{QStringLiteral("/tmp/f")});
}

QTEST_GUILESS_MAIN(TestOfficeAvailability)
#include "tst_officeavailability.moc"
