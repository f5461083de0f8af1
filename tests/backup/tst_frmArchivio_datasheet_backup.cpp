#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTimer>
#include <QtTest>

#include "archive/ArchiveStore.h"
#include "archive/frmArchivio.h"
#include "backup/frmBakClienti.h"
#include "backup/frmRipClienti01.h"
#include "program/ArchiveWindowExports.h"
#include "program/WindowRegistry.h"
#include "support/FakeOffice.h"
#include "support/TestEnvironment.h"
#include "support/ZipReader.h"
#include "ui/Hub.h"

namespace {

ContactRecord contact(const QString &name, const QString &tel, const QString &logo = QString()) {
    ContactRecord r;
    r.setValue(ContactRecord::Titolo, name);
    r.setValue(ContactRecord::Tel, tel);
    r.setValue(ContactRecord::Citta, QStringLiteral("Città di Castello"));
    r.setValue(ContactRecord::Logo03, logo);
    return r;
}

}  // namespace

class TestArchiveWindowExports : public QObject {
    Q_OBJECT
    std::unique_ptr<TestEnvironment> env;
    std::unique_ptr<frmArchivio> w;

    void openWindow() {
        w = std::make_unique<frmArchivio>();
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
    }

private slots:
    void init() {
        Hub::instance().reset();
        env = std::make_unique<TestEnvironment>();
        registerWindows();
    }
    void cleanup() {
        w.reset();
        Hub::instance().reset();
        env.reset();
    }

    void exportButtonsAreEnabled() {
        openWindow();
        for (QPushButton *b : {w->cmdSlide, w->cmdWord, w->cmdBackup})
            QVERIFY2(b->isEnabled(), qPrintable(b->objectName()));
    }

    void dataSheetTakesTheBoxesAsTheyStand() {
        FakeOffice office(true);
        const QString logo = env->file(QStringLiteral("grande.jpg"));
        QImage img(30, 20, QImage::Format_RGB32);
        img.fill(Qt::darkGreen);
        QVERIFY(img.save(logo, "JPEG"));
        const QByteArray logoBytes = TestEnvironment::readBytes(logo);
        ArchiveStore().appendRecord(
            contact(QStringLiteral("Studio Verdi"), QStringLiteral("06 111"), logo));
        openWindow();
        w->cmdAvanti->click();
        QCOMPARE(w->txtTitolo->text(), QStringLiteral("Studio Verdi"));
        // An edit not yet saved.
        w->txtTel->setText(QStringLiteral("06 999"));
        w->txtTitolo->setText(QStringLiteral("  Studio Verdi & C.  "));
        w->cmdWord->click();
        QVERIFY(env->platform().messages.isEmpty());
        QCOMPARE(env->platform().startedPrograms.size(), 1);
        const QString odt = env->platform().startedPrograms.first().last();
        const QString content =
            QString::fromUtf8(ZipReader::member(odt, QStringLiteral("content.xml")));
        QVERIFY(content.contains(QStringLiteral(">Studio Verdi &amp; C.<")));
        QVERIFY(content.contains(QStringLiteral(">06 999<")));
        QVERIFY(!content.contains(QStringLiteral("06 111")));
        QVERIFY(content.contains(QStringLiteral(">Città di Castello<")));
        QVERIFY(content.contains(QStringLiteral("draw:image")));
        QCOMPARE(TestEnvironment::readBytes(logo), logoBytes);
        // The archive itself is not touched by the export.
        ContactRecord stored;
        QVERIFY(ArchiveStore().readRecord(1, stored));
        QCOMPARE(stored.value(ContactRecord::Tel), QStringLiteral("06 111"));
        QDir(QFileInfo(odt).absolutePath()).removeRecursively();
    }

    void dataSheetWithoutNameFocusesTheNameBox() {
        FakeOffice office(true);
        openWindow();
        w->txtTitolo->setText(QStringLiteral("   "));
        w->txtTel->setFocus();
        w->cmdWord->click();
        QCOMPARE(env->platform().messages.size(), 1);
        QCOMPARE(env->platform().messages.first().title,
                 QStringLiteral("Attenzione: parametro mancante"));
        QCOMPARE(QApplication::focusWidget(), w->txtTitolo);
        QVERIFY(env->platform().startedPrograms.isEmpty());
    }

    void contentOfTheBoxes() {
        openWindow();
        const auto boxes = w->entryBoxes();
        for (int i = 0; i < 11; ++i) boxes[i]->setText(QStringLiteral("v%1").arg(i));
        w->txtLogo03->setText(QStringLiteral("/logo/grande.png"));
        const DataSheetContent c = ArchiveWindowExports::contentOf(*w);
        QCOMPARE(c.titolo, QStringLiteral("v0"));
        for (int i = 0; i < 10; ++i) QCOMPARE(c.values[i], QStringLiteral("v%1").arg(i + 1));
        QCOMPARE(c.logoPath, QStringLiteral("/logo/grande.png"));
    }

    void restoreLeavesTheWindowShowingNoRecord() {
        ArchiveStore store;
        store.appendRecord(contact(QStringLiteral("Uno"), QStringLiteral("1")));
        store.appendRecord(contact(QStringLiteral("Due"), QStringLiteral("2")));
        const QString backup = env->file(QStringLiteral("vecchio.bkc"));
        QVERIFY(TestEnvironment::writeBytes(
            backup, contact(QStringLiteral("Tre"), QStringLiteral("3")).encode()));
        openWindow();
        w->cmdUltimo->click();
        QCOMPARE(w->txtTitolo->text(), QStringLiteral("Due"));
        QVERIFY(!w->lblPosizione->text().isEmpty());

        int step = 0;
        QTimer driver;
        driver.setInterval(10);
        QObject::connect(&driver, &QTimer::timeout, [&] {
            QWidget *modal = QApplication::activeModalWidget();
            if (!modal) return;
            if (auto *first = qobject_cast<frmBakClienti *>(modal); first && step == 0) {
                ++step;
                first->optRipDDT->click();
                first->cmdAvanti->click();
            } else if (auto *page = qobject_cast<frmRipClienti01 *>(modal); page && step == 1) {
                ++step;
                env->platform().queueOpenFile(backup);
                page->cmdSelect->click();
                env->platform().queueAnswer(MsgAnswer::Yes);
                page->cmdEffettua->click();
            } else {
                modal->close();
            }
        });
        driver.start();
        w->cmdBackup->click();
        driver.stop();
        QCOMPARE(step, 2);
        QCOMPARE(env->platform().messages.last().text,
                 QStringLiteral("File di backup ripristinato con successo."));
        QCOMPARE(TestEnvironment::readBytes(store.archivePath()),
                 TestEnvironment::readBytes(backup));
        QCOMPARE(w->lblPosizione->text(), QString());
        for (QLineEdit *box : w->entryBoxes())
            QVERIFY2(box->text().isEmpty(), qPrintable(box->objectName()));
        for (QLineEdit *box : w->logoPathBoxes()) QVERIFY(box->text().isEmpty());
        for (QLabel *logo : w->logoBoxes()) QVERIFY(frmArchivio::isBlankPicture(logo));
        // Browsing again reads the restored archive.
        w->cmdPrimo->click();
        QCOMPARE(w->txtTitolo->text(), QStringLiteral("Tre"));
    }
};

QTEST_MAIN(TestArchiveWindowExports)
#include "tst_frmArchivio_datasheet_backup.moc"
