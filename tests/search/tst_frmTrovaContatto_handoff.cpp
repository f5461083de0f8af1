#include <QApplication>
#include <QImage>
#include <QTest>
#include <QTimer>
#include <memory>

#include "archive/ArchiveStore.h"
#include "archive/frmArchivio.h"
#include "program/WindowRegistry.h"
#include "search/frmTrovaContatto.h"
#include "support/HandOffContacts.h"
#include "support/TestEnvironment.h"
#include "ui/Hub.h"

namespace {

// Searches every contact, selects list line `row` and double-clicks it.
void chooseLine(frmTrovaContatto &s, int row) {
    s.cboCriterio->setCurrentIndex(0);
    emit s.cboCriterio->activated(0);
    s.txtChiave->clear();
    s.cmdCerca->click();
    QVERIFY(row < s.lstRiepilogo->count());
    s.lstRiepilogo->setCurrentRow(row);
    QVERIFY(QMetaObject::invokeMethod(&s, "lstRiepilogo_DblClick"));
}

}  // namespace

class TestFrmTrovaContattoHandOff : public QObject {
    Q_OBJECT

    std::unique_ptr<TestEnvironment> env;

private slots:
    void init() {
        Hub::instance().reset();
        env = std::make_unique<TestEnvironment>();
    }
    void cleanup() {
        Hub::instance().reset();
        env.reset();
    }

    // ---- archive window -------------------------------------------------------------

    void archiveReceivesTheWholeContact() {
        const QString good = env->file(QStringLiteral("logo.png"));
        QVERIFY(HandOffContacts::writePicture(good, Qt::blue));
        ArchiveStore store(env->folder());
        for (int i = 1; i <= 9; ++i) {
            ContactRecord r =
                HandOffContacts::full(QStringLiteral("Contatto %1").arg(i), QString::number(i));
            if (i == 7) {
                r.setValue(ContactRecord::Logo01, QStringLiteral("  ") + good);
                r.setValue(ContactRecord::Logo02, env->file(QStringLiteral("sparito.png")));
                r.setValue(ContactRecord::Logo03, good);
            }
            QCOMPARE(store.appendRecord(r), i);
        }
        frmArchivio archive;
        archive.show();
        frmTrovaContatto s(&archive);
        s.lblMemory->setText(QStringLiteral(" archivio "));
        s.show();
        chooseLine(s, 6);
        QVERIFY(!s.isVisible());
        QCOMPARE(env->platform().busyDepth, 0);
        QVERIFY(env->platform().messages.isEmpty());

        const ContactRecord expected =
            HandOffContacts::full(QStringLiteral("Contatto 7"), QStringLiteral("7"));
        const auto boxes = archive.entryBoxes();
        for (int f = 0; f < 11; ++f)
            QCOMPARE(boxes[f]->text(), expected.value(ContactRecord::Field(f)));
        QCOMPARE(archive.txtLogo01->text(), good);
        QCOMPARE(archive.txtLogo02->text(), env->file(QStringLiteral("sparito.png")));
        QCOMPARE(archive.txtLogo03->text(), good);
        QCOMPARE(archive.picLogo01->pixmap().toImage().pixelColor(3, 3), QColor(Qt::blue));
        QVERIFY(frmArchivio::isBlankPicture(archive.picLogo02));
        QVERIFY(!frmArchivio::isBlankPicture(archive.picLogo03));
        QCOMPARE(archive.lblPosizione->text(), QStringLiteral(" 7"));

        // Browsing goes on from the contact handed over.
        archive.cmdAvanti->click();
        QCOMPARE(archive.lblPosizione->text(), QStringLiteral(" 8"));
        QCOMPARE(archive.txtTitolo->text(), QStringLiteral("Contatto 8"));
        QVERIFY(frmArchivio::isBlankPicture(archive.picLogo01));
    }

    void archiveContactWithoutLogosClearsThePictures() {
        const QString good = env->file(QStringLiteral("logo.png"));
        QVERIFY(HandOffContacts::writePicture(good, Qt::red));
        ArchiveStore store(env->folder());
        ContactRecord with =
            HandOffContacts::full(QStringLiteral("Con loghi"), QStringLiteral("1"));
        for (auto f : {ContactRecord::Logo01, ContactRecord::Logo02, ContactRecord::Logo03})
            with.setValue(f, good);
        store.appendRecord(with);
        store.appendRecord(
            HandOffContacts::full(QStringLiteral("Senza loghi"), QStringLiteral("2")));
        frmArchivio archive;
        archive.show();
        archive.cmdPrimo->click();
        QVERIFY(!frmArchivio::isBlankPicture(archive.picLogo02));
        frmTrovaContatto s(&archive);
        s.lblMemory->setText(QStringLiteral("archivio"));
        chooseLine(s, 1);
        for (QLabel *box : archive.logoBoxes()) QVERIFY(frmArchivio::isBlankPicture(box));
        for (QLineEdit *path : archive.logoPathBoxes()) QVERIFY(path->text().isEmpty());
        QCOMPARE(archive.txtTitolo->text(), QStringLiteral("Senza loghi"));
        QCOMPARE(archive.lblPosizione->text(), QStringLiteral(" 2"));
    }

    void identicalLinesHandTheLowerNumber_data() {
        QTest::addColumn<int>("row");
        QTest::newRow("first line") << 1;
        QTest::newRow("second line") << 2;
    }
    void identicalLinesHandTheLowerNumber() {
        QFETCH(int, row);
        ArchiveStore store(env->folder());
        store.appendRecord(HandOffContacts::full(QStringLiteral("Altro"), QStringLiteral("0")));
        ContactRecord a = HandOffContacts::full(QStringLiteral("Rossi Mario"), QStringLiteral("1"));
        ContactRecord b = a;
        b.setValue(ContactRecord::Indirizzo, QStringLiteral("Via Diversa 9"));
        store.appendRecord(a);
        store.appendRecord(b);
        frmArchivio archive;
        frmTrovaContatto s(&archive);
        s.lblMemory->setText(QStringLiteral("archivio"));
        chooseLine(s, row);
        QCOMPARE(archive.lblPosizione->text(), QStringLiteral(" 2"));
        QCOMPARE(archive.txtIndirizzo->text(), QStringLiteral("Via 1"));
    }

    void archiveSearchButtonOpensTheSearch() {
        registerWindows();
        ArchiveStore store(env->folder());
        store.appendRecord(HandOffContacts::full(QStringLiteral("Uno"), QStringLiteral("1")));
        store.appendRecord(HandOffContacts::full(QStringLiteral("Due"), QStringLiteral("2")));
        frmArchivio archive;
        archive.show();
        QVERIFY(archive.cmdTrova->isEnabled());
        QString tag;
        QTimer::singleShot(0, [&] {
            auto *s = qobject_cast<frmTrovaContatto *>(QApplication::activeModalWidget());
            QVERIFY(s);
            tag = s->lblMemory->text();
            chooseLine(*s, 1);
        });
        archive.cmdTrova->click();
        QCOMPARE(tag, QStringLiteral("archivio"));
        QCOMPARE(archive.txtTitolo->text(), QStringLiteral("Due"));
        QCOMPARE(archive.lblPosizione->text(), QStringLiteral(" 2"));
        QVERIFY(archive.findChildren<frmTrovaContatto *>().isEmpty());
    }

    void wrongTagOrNoSelectionLeavesTheArchiveAlone() {
        ArchiveStore store(env->folder());
        store.appendRecord(HandOffContacts::full(QStringLiteral("Uno"), QStringLiteral("1")));
        frmArchivio archive;
        archive.txtTitolo->setText(QStringLiteral("scritto a mano"));
        {
            frmTrovaContatto s(&archive);
            s.lblMemory->setText(QStringLiteral("buste_dest"));
            s.show();
            chooseLine(s, 0);
            QVERIFY(!s.isVisible());
        }
        {
            frmTrovaContatto s(&archive);
            s.lblMemory->setText(QStringLiteral("archivio"));
            s.show();
            s.cboCriterio->setCurrentIndex(0);
            s.cmdCerca->setEnabled(true);
            s.cmdCerca->click();
            s.lstRiepilogo->clearSelection();
            QVERIFY(QMetaObject::invokeMethod(&s, "lstRiepilogo_DblClick"));
            QVERIFY(s.isVisible());
        }
        QCOMPARE(archive.txtTitolo->text(), QStringLiteral("scritto a mano"));
        QVERIFY(archive.lblPosizione->text().isEmpty());
    }
};

QTEST_MAIN(TestFrmTrovaContattoHandOff)
#include "tst_frmTrovaContatto_handoff.moc"
