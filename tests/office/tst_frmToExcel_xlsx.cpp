#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

#include "archive/ArchiveStore.h"
#include "office/ExportMessages.h"
#include "office/frmToExcel.h"
#include "platform/widgets/DesktopPlatform.h"
#include "support/FakeOffice.h"
#include "support/TestEnvironment.h"
#include "support/ZipReader.h"

namespace {

void addContacts(int n) {
    ArchiveStore store;
    for (int i = 1; i <= n; ++i) {
        ContactRecord r;
        r.setValue(ContactRecord::Titolo, QStringLiteral("Contatto %1").arg(i));
        r.setValue(ContactRecord::Iva, QStringLiteral("0000000000%1").arg(i % 10));
        store.appendRecord(r);
    }
}

QList<QWidget *> progressWidgets(frmToExcel &w) {
    return {w.lblAttendere, w.lblExport01, w.txtEsportati, w.lblTotale, w.prgEsportati};
}

}  // namespace

class TestFrmToExcel : public QObject {
    Q_OBJECT
private slots:
    void opensInWaitingState();
    void noSpreadsheetProgram();
    void exportsArchiveAndOpensNewDocument_data();
    void exportsArchiveAndOpensNewDocument();
    void unreadableArchiveUnloadsWithoutOpening();
    void looksRight();
    void startedProgramIsWatched_data();
    void startedProgramIsWatched();
};

void TestFrmToExcel::opensInWaitingState() {
    TestEnvironment env;
    frmToExcel w;
    QCOMPARE(w.windowTitle(), QStringLiteral(" Esporta archivio in un foglio di calcolo"));
    QCOMPARE(w.cmdEsporta->text().remove(u'&'), QStringLiteral("Esporta"));
    QVERIFY(w.cmdEsporta->isEnabled());
    QCOMPARE(w.lblInfo01->text(), QStringLiteral("Fare clic sul pulsante in calce per esportare "
                                                 "l'archivio in un foglio di calcolo."));
    for (QWidget *p : progressWidgets(w)) QVERIFY2(p->isHidden(), qPrintable(p->objectName()));
    QCOMPARE(w.txtEsportati->text(), QStringLiteral("0"));
    QCOMPARE(w.lblTotale->text(), QStringLiteral("di 0 record."));
    QCOMPARE(w.lblAttendere->text(), QStringLiteral("Esportazione dati in corso. Attendere..."));
}

void TestFrmToExcel::noSpreadsheetProgram() {
    TestEnvironment env;
    FakeOffice office(false);
    addContacts(2);
    frmToExcel w;
    w.cmdEsporta->click();
    QCOMPARE(env.platform().messages.size(), 1);
    const auto &m = env.platform().messages.first();
    QCOMPARE(m.text, QStringLiteral("Su questo computer non è installato nessun programma per "
                                    "fogli di calcolo."));
    QCOMPARE(m.title, QStringLiteral("Impossibile esportare in un foglio di calcolo"));
    QCOMPARE(m.icon, MsgIcon::Critical);
    QCOMPARE(m.buttons, MsgButtons::Ok);
    // The window stays as it was.
    QCOMPARE(w.result(), int(QDialog::Rejected));
    QVERIFY(w.cmdEsporta->isEnabled());
    QVERIFY(w.lblAttendere->isHidden());
    QVERIFY(w.exportedFile().isEmpty());
    QVERIFY(env.platform().startedPrograms.isEmpty());
}

void TestFrmToExcel::exportsArchiveAndOpensNewDocument_data() {
    QTest::addColumn<int>("records");
    QTest::newRow("empty archive") << 0;
    QTest::newRow("three records") << 3;
    QTest::newRow("more than one read block") << 1500;
}

void TestFrmToExcel::exportsArchiveAndOpensNewDocument() {
    QFETCH(int, records);
    TestEnvironment env;
    FakeOffice office(true);
    addContacts(records);
    frmToExcel w;
    w.cmdEsporta->click();
    QVERIFY(env.platform().messages.isEmpty());
    QVERIFY(!w.cmdEsporta->isEnabled());
    for (QWidget *p : progressWidgets(w)) QVERIFY2(!p->isHidden(), qPrintable(p->objectName()));
    QCOMPARE(w.lblTotale->text(), QStringLiteral("di %1 record.").arg(records));
    QCOMPARE(w.txtEsportati->text(), QString::number(records));
    QCOMPARE(w.prgEsportati->value(), records);
    QCOMPARE(env.platform().busyShown, 1);
    QCOMPARE(env.platform().busyDepth, 0);
    // The window unloads itself.
    QCOMPARE(w.result(), int(QDialog::Accepted));

    const QString file = w.exportedFile();
    QVERIFY(QFileInfo(file).isFile());
    QVERIFY(!file.startsWith(env.folder()));  // nothing is written into the program folder
    QCOMPARE(env.platform().startedPrograms.size(), 1);
    QCOMPARE(env.platform().startedPrograms.first().mid(1),
             (QStringList{QStringLiteral("-n"), file}));
    const QByteArray sheet = ZipReader::member(file, QStringLiteral("xl/worksheets/sheet1.xml"));
    QCOMPARE(sheet.count("<row "), records + 1);
    if (records > 0) QVERIFY(sheet.contains("<t>Contatto " + QByteArray::number(records) + "</t>"));
    QDir(QFileInfo(file).absolutePath()).removeRecursively();
}

void TestFrmToExcel::unreadableArchiveUnloadsWithoutOpening() {
    TestEnvironment env;
    FakeOffice office(true);
    QVERIFY(QDir().mkdir(env.file(QStringLiteral("Contatti.edb"))));
    frmToExcel w;
    w.cmdEsporta->click();
    // Failures of the export are not reported; nothing is opened and the window goes.
    QVERIFY(env.platform().messages.isEmpty());
    QVERIFY(env.platform().startedPrograms.isEmpty());
    QCOMPARE(w.lblTotale->text(), QStringLiteral("di 0 record."));
    QCOMPARE(w.result(), int(QDialog::Accepted));
    QCOMPARE(env.platform().busyDepth, 0);
}

void TestFrmToExcel::looksRight() {
    TestEnvironment env;
    frmToExcel w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    const QImage waiting = w.grab().toImage();
    QVERIFY(!waiting.isNull());
    const QString out = qEnvironmentVariable("CARTAFLEX_GRAB_DIR");
    if (!out.isEmpty()) waiting.save(out + QStringLiteral("/frmToExcel.png"));
    // Every control lies inside the window.
    for (QWidget *c : w.findChildren<QWidget *>())
        if (!c->isHidden()) QVERIFY2(w.rect().contains(c->geometry()), qPrintable(c->objectName()));
}

QTEST_MAIN(TestFrmToExcel)
#include "tst_frmToExcel_xlsx.moc"

// The desktop watches a started office for a moment: one that ends at once with an error
// (no display, a broken installation) is a failure, one that runs on or hands the file to
// a running copy is a success, and the caller does not wait for it to end.
void TestFrmToExcel::startedProgramIsWatched_data() {
    QTest::addColumn<QByteArray>("script");
    QTest::addColumn<bool>("ok");
    QTest::newRow("ends with an error") << QByteArray("echo no display >&2; exit 1") << false;
    QTest::newRow("killed at once") << QByteArray("kill -9 $$") << false;
    QTest::newRow("runs on") << QByteArray("exec >/dev/null 2>&1; sleep 4") << true;
    QTest::newRow("hands over and ends") << QByteArray("exit 0") << true;
}

void TestFrmToExcel::startedProgramIsWatched() {
    QFETCH(QByteArray, script);
    QFETCH(bool, ok);
    QTemporaryDir dir;
    const QString program = dir.filePath(QStringLiteral("soffice"));
    QVERIFY(TestEnvironment::writeBytes(program, "#!/bin/sh\n" + script + "\n"));
    QFile::setPermissions(program, QFile::ReadOwner | QFile::ExeOwner);
    DesktopPlatform desktop;
    QElapsedTimer clock;
    clock.start();
    QCOMPARE(desktop.startProgram(program, {QStringLiteral("-n"), QStringLiteral("/tmp/x")}), ok);
    QVERIFY(clock.elapsed() < DesktopPlatform::kWatchMs + 2000);
    QVERIFY(!desktop.startProgram(dir.filePath(QStringLiteral("missing")), {}));
}
