#include <QTest>

#include "archive/ArchiveStore.h"
#include "support/TestEnvironment.h"
#include "sync/frmConflitto.h"
#include "sync/frmRubricaCondivisa.h"

namespace {

ContactRecord contact(const char *tel) {
    ContactRecord r;
    r.setValue(ContactRecord::Titolo, QStringLiteral("Rossi"));
    r.setValue(ContactRecord::Tel, QLatin1String(tel));
    return r;
}

}  // namespace

class TestFrmConflitto : public QObject {
    Q_OBJECT
private slots:
    // Both versions side by side, the differing fields in bold; each button's choice.
    void choice_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("choice");
        QTest::newRow("archive") << "cmdArchivio" << int(SyncPlan::Choice::Local);
        QTest::newRow("server") << "cmdServer" << int(SyncPlan::Choice::Server);
        QTest::newRow("both") << "cmdEntrambi" << int(SyncPlan::Choice::Both);
        QTest::newRow("later") << "cmdDopo" << int(SyncPlan::Choice::Leave);
    }
    void choice() {
        QFETCH(QString, button);
        QFETCH(int, choice);
        frmConflitto w(contact("06 1"), contact("06 2"));
        QCOMPARE(w.grdCampi->item(ContactRecord::Tel, 0)->text(), QStringLiteral("06 1"));
        QCOMPARE(w.grdCampi->item(ContactRecord::Tel, 1)->text(), QStringLiteral("06 2"));
        QVERIFY(w.grdCampi->item(ContactRecord::Tel, 1)->font().bold());
        QVERIFY(!w.grdCampi->item(ContactRecord::Titolo, 1)->font().bold());
        w.show();
        const QString shots = qEnvironmentVariable("CARTAFLEX_SCREENSHOT_DIR");
        if (!shots.isEmpty()) w.grab().save(shots + QStringLiteral("/frmConflitto.png"));
        w.findChild<QPushButton *>(button)->click();
        QCOMPARE(int(w.choice()), choice);
        QVERIFY(!w.isVisible());
    }

    // The set-up window offers saving only once an address book is known.
    void setUpSavesOnlyAKnownAddressBook() {
        TestEnvironment env;
        ArchiveStore store(env.folder());
        frmRubricaCondivisa w(store);
        w.show();
        QVERIFY(!w.cmdSalva->isEnabled());
        QVERIFY(!w.cmdSmetti->isEnabled());
        QCOMPARE(w.txtPassword->echoMode(), QLineEdit::Password);
        const QString shots = qEnvironmentVariable("CARTAFLEX_SCREENSHOT_DIR");
        if (!shots.isEmpty()) w.grab().save(shots + QStringLiteral("/frmRubricaCondivisa.png"));
    }
};

QTEST_MAIN(TestFrmConflitto)
#include "tst_frmConflitto.moc"
