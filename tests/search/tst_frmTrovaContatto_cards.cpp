#include <QApplication>
#include <QImage>
#include <QTest>
#include <QTimer>
#include <memory>

#include "archive/ArchiveStore.h"
#include "cards/frmBiglietti.h"
#include "program/WindowRegistry.h"
#include "search/frmTrovaContatto.h"
#include "support/HandOffContacts.h"
#include "support/TestEnvironment.h"
#include "ui/Hub.h"

namespace {

using F = ContactRecord::Field;

void chooseLine(frmTrovaContatto &s, int row) {
    s.cboCriterio->setCurrentIndex(0);
    emit s.cboCriterio->activated(0);
    s.cmdCerca->click();
    QVERIFY(row < s.lstRiepilogo->count());
    s.lstRiepilogo->setCurrentRow(row);
    QVERIFY(QMetaObject::invokeMethod(&s, "lstRiepilogo_DblClick"));
}

void handOff(frmBiglietti &w, int row) {
    frmTrovaContatto s(&w);
    s.lblMemory->setText(QStringLiteral("biglietti"));
    s.show();
    chooseLine(s, row);
    QVERIFY(!s.isVisible());
}

QImage blankOf(const frmBiglietti &w) {
    return w.picNuovo->pixmap().toImage();
}

}  // namespace

class TestFrmTrovaContattoCards : public QObject {
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

    void everyFormatReceivesItsBoxesWithPrefixes() {
        ArchiveStore store(env->folder());
        store.appendRecord(HandOffContacts::full(QStringLiteral("Primo"), QStringLiteral("1")));
        store.appendRecord(
            HandOffContacts::full(QStringLiteral("Studio Rossi"), QStringLiteral("2")));
        frmBiglietti w;
        handOff(w, 1);
        struct Expect {
            QLineEdit *const *boxes;
            QString text;
            std::array<bool, 4> present;
        };
        const Expect expected[] = {
            {w.txtTitolo.data(), "Studio Rossi", {true, true, true, true}},
            {w.txtSottotitolo.data(), "Ramo 2", {true, true, true, true}},
            {w.txtIndirizzo.data(), "Via 2", {true, true, true, true}},
            {w.txtCitta.data(), "Citta 2", {true, true, true, true}},
            {w.txtIva.data(), "P.IVA 01234567892", {true, true, true, true}},
            {w.txtTel.data(), "Tel. Tel 2", {true, true, true, true}},
            {w.txtFax.data(), "Fax Fax 2", {false, false, true, true}},
            {w.txtCel.data(), "Cel. Cel 2", {true, true, true, true}},
            {w.txtEmail.data(), "mail@2", {true, true, true, true}},
            {w.txtInformazioni.data(), "Info 2", {false, false, false, true}},
            {w.txtWeb.data(), "www.2", {false, false, true, true}},
        };
        for (const Expect &e : expected)
            for (int i = 0; i < 4; ++i) {
                if (!e.present[i]) {
                    QVERIFY(!e.boxes[i]);
                    continue;
                }
                QVERIFY(e.boxes[i]);
                QCOMPARE(e.boxes[i]->text(), e.text);
            }
        QCOMPARE(w.lblPosizione->text(), QStringLiteral(" 2"));
        QVERIFY(env->platform().messages.isEmpty());
        QCOMPARE(env->platform().busyDepth, 0);
    }

    void emptyFieldsStillGetTheirPrefix() {
        ContactRecord r;
        r.setValue(F::Titolo, QStringLiteral("Solo nome"));
        ArchiveStore(env->folder()).appendRecord(r);
        frmBiglietti w;
        handOff(w, 0);
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(w.txtIva[i]->text(), QStringLiteral("P.IVA "));
            QCOMPARE(w.txtTel[i]->text(), QStringLiteral("Tel. "));
            QCOMPARE(w.txtCel[i]->text(), QStringLiteral("Cel. "));
            QVERIFY(w.txtEmail[i]->text().isEmpty());
        }
        QCOMPARE(w.txtFax[2]->text(), QStringLiteral("Fax "));
        QCOMPARE(w.txtFax[3]->text(), QStringLiteral("Fax "));
    }

    void logosLoadOrStayBlank() {
        const QString red = env->file(QStringLiteral("rosso.png"));
        const QString blue = env->file(QStringLiteral("blu.png"));
        QVERIFY(HandOffContacts::writePicture(red, Qt::red, QSize(40, 30)));
        QVERIFY(HandOffContacts::writePicture(blue, Qt::blue, QSize(40, 30)));
        ArchiveStore store(env->folder());
        ContactRecord all = HandOffContacts::full(QStringLiteral("Con loghi"), QStringLiteral("1"));
        all.setValue(F::Logo01, red);
        all.setValue(F::Logo02, blue);
        all.setValue(F::Logo03, red);
        store.appendRecord(all);
        ContactRecord missing =
            HandOffContacts::full(QStringLiteral("Logo sparito"), QStringLiteral("2"));
        missing.setValue(F::Logo01, blue);
        missing.setValue(F::Logo02, env->file(QStringLiteral("non-esiste.png")));
        missing.setValue(F::Logo03, blue);
        store.appendRecord(missing);
        store.appendRecord(
            HandOffContacts::full(QStringLiteral("Senza loghi"), QStringLiteral("3")));

        frmBiglietti w;
        handOff(w, 0);
        QCOMPARE(w.logoPicture(0).pixelColor(2, 2), QColor(Qt::red));
        QCOMPARE(w.logoPicture(2).pixelColor(2, 2), QColor(Qt::blue));
        QCOMPARE(w.logoPicture(3).pixelColor(2, 2), QColor(Qt::red));

        handOff(w, 1);
        QCOMPARE(w.logoPicture(0).pixelColor(2, 2), QColor(Qt::blue));
        QCOMPARE(w.logoPicture(2), blankOf(w));
        QCOMPARE(w.logoPicture(3).pixelColor(2, 2), QColor(Qt::blue));
        QVERIFY(env->platform().messages.isEmpty());

        handOff(w, 2);
        for (int i : {0, 2, 3}) QCOMPARE(w.logoPicture(i), blankOf(w));
        QCOMPARE(w.lblPosizione->text(), QStringLiteral(" 3"));
    }

    void browsingContinuesFromTheHandedRecord() {
        ArchiveStore store(env->folder());
        for (int i = 1; i <= 8; ++i)
            store.appendRecord(
                HandOffContacts::full(QStringLiteral("Contatto %1").arg(i), QString::number(i)));
        frmBiglietti w;
        handOff(w, 6);
        QCOMPARE(w.lblPosizione->text(), QStringLiteral(" 7"));
        w.cmdAvanti->click();
        QCOMPARE(w.lblPosizione->text(), QStringLiteral(" 8"));
        QCOMPARE(w.txtTitolo[0]->text(), QStringLiteral("Contatto 8"));
    }

    void searchButtonOpensTheSearchWithItsTag() {
        registerWindows();
        ArchiveStore store(env->folder());
        store.appendRecord(HandOffContacts::full(QStringLiteral("Uno"), QStringLiteral("1")));
        frmBiglietti w;
        w.show();
        QVERIFY(w.cmdTrova->isEnabled());
        QString tag;
        QTimer::singleShot(0, [&] {
            auto *s = qobject_cast<frmTrovaContatto *>(QApplication::activeModalWidget());
            QVERIFY(s);
            tag = s->lblMemory->text();
            chooseLine(*s, 0);
        });
        w.cmdTrova->click();
        QCOMPARE(tag, QStringLiteral("biglietti"));
        QCOMPARE(w.txtTitolo[3]->text(), QStringLiteral("Uno"));
        QCOMPARE(w.lblPosizione->text(), QStringLiteral(" 1"));
    }
};

QTEST_MAIN(TestFrmTrovaContattoCards)
#include "tst_frmTrovaContatto_cards.moc"
