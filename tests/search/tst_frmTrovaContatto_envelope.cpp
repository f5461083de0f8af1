#include <QApplication>
#include <QImage>
#include <QTest>
#include <QTimer>
#include <memory>

#include "archive/ArchiveStore.h"
#include "envelopes/frmLettera.h"
#include "program/WindowRegistry.h"
#include "search/frmTrovaContatto.h"
#include "support/HandOffContacts.h"
#include "support/TestEnvironment.h"
#include "ui/Hub.h"

namespace {

void chooseLine(frmTrovaContatto &s, int row) {
    s.cboCriterio->setCurrentIndex(0);
    emit s.cboCriterio->activated(0);
    s.cmdCerca->click();
    QVERIFY(row < s.lstRiepilogo->count());
    s.lstRiepilogo->setCurrentRow(row);
    QVERIFY(QMetaObject::invokeMethod(&s, "lstRiepilogo_DblClick"));
}

// Every text of the composer's boxes and labels, by object name and element.
QMap<QString, QString> snapshot(const frmLettera &w) {
    QMap<QString, QString> out;
    for (const QLineEdit *box : w.findChildren<QLineEdit *>())
        out.insert(box->objectName() + QString::number(quintptr(box)), box->text());
    for (const QLabel *label : w.findChildren<QLabel *>())
        out.insert(label->objectName() + QString::number(quintptr(label)), label->text());
    return out;
}

}  // namespace

class TestFrmTrovaContattoEnvelope : public QObject {
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

    void senderReceivesEightLinesAndTheLogo() {
        const QString good = env->file(QStringLiteral("logo.png"));
        QVERIFY(HandOffContacts::writePicture(good, Qt::green));
        ArchiveStore store(env->folder());
        ContactRecord a =
            HandOffContacts::full(QStringLiteral("Mittente Uno"), QStringLiteral("1"));
        a.setValue(ContactRecord::Logo01, good);
        store.appendRecord(a);
        store.appendRecord(
            HandOffContacts::full(QStringLiteral("Mittente Due"), QStringLiteral("2")));
        frmLettera w;
        const QString position = w.lblPosizione->text();
        const QString recipient = w.txtTitolo[frmLettera::kRecipient]->text();
        {
            frmTrovaContatto s(&w);
            s.lblMemory->setText(QStringLiteral("buste_mitt"));
            chooseLine(s, 0);
        }
        constexpr int e = frmLettera::kSender;
        QCOMPARE(w.txtTitolo[e]->text(), QStringLiteral("Mittente Uno"));
        QCOMPARE(w.txtSottotitolo[e]->text(), QStringLiteral("Ramo 1"));
        QCOMPARE(w.txtIndirizzo[e]->text(), QStringLiteral("Via 1"));
        QCOMPARE(w.txtCitta[e]->text(), QStringLiteral("Citta 1"));
        QCOMPARE(w.txtIva[e]->text(), QStringLiteral("01234567891"));
        QCOMPARE(w.txtTel[e]->text(), QStringLiteral("Tel 1"));
        QCOMPARE(w.txtCel[e]->text(), QStringLiteral("Cel 1"));
        QCOMPARE(w.txtEmail[e]->text(), QStringLiteral("mail@1"));
        QCOMPARE(w.lblPath->text(), good);
        QCOMPARE(frmLettera::pictureOf(w.picLogo[e]).pixelColor(3, 3), QColor(Qt::green));
        QCOMPARE(w.lblPosizione->text(), position);
        QCOMPARE(w.txtTitolo[frmLettera::kRecipient]->text(), recipient);

        // A contact without a logo empties the logo box and the path.
        {
            frmTrovaContatto s(&w);
            s.lblMemory->setText(QStringLiteral("buste_mitt"));
            chooseLine(s, 1);
        }
        QCOMPARE(w.txtTitolo[e]->text(), QStringLiteral("Mittente Due"));
        QVERIFY(w.lblPath->text().isEmpty());
        QCOMPARE(frmLettera::pictureOf(w.picLogo[e]), frmLettera::pictureOf(w.picNuovo));
    }

    void senderLogoThatIsNotAPicture() {
        const QString bad = env->file(QStringLiteral("logo.bmp"));
        QVERIFY(TestEnvironment::writeBytes(bad, "not a picture at all"));
        ArchiveStore store(env->folder());
        ContactRecord a = HandOffContacts::full(QStringLiteral("Uno"), QStringLiteral("1"));
        a.setValue(ContactRecord::Logo01, bad);
        store.appendRecord(a);
        frmLettera w;
        frmTrovaContatto s(&w);
        s.lblMemory->setText(QStringLiteral("buste_mitt"));
        chooseLine(s, 0);
        QCOMPARE(w.lblPath->text(), bad);
        QCOMPARE(frmLettera::pictureOf(w.picLogo[frmLettera::kSender]),
                 frmLettera::pictureOf(w.picNuovo));
        QVERIFY(env->platform().messages.isEmpty());
    }

    void recipientReceivesTheFourLinesOnly() {
        ArchiveStore store(env->folder());
        ContactRecord a =
            HandOffContacts::full(QStringLiteral("Destinatario"), QStringLiteral("9"));
        a.setValue(ContactRecord::Logo01, env->file(QStringLiteral("x.png")));
        store.appendRecord(a);
        frmLettera w;
        QMap<QString, QString> before = snapshot(w);
        const QImage logo = frmLettera::pictureOf(w.picLogo[frmLettera::kSender]);
        {
            frmTrovaContatto s(&w);
            s.lblMemory->setText(QStringLiteral("buste_dest"));
            chooseLine(s, 0);
        }
        constexpr int e = frmLettera::kRecipient;
        QCOMPARE(w.txtTitolo[e]->text(), QStringLiteral("Destinatario"));
        QCOMPARE(w.txtSottotitolo[e]->text(), QStringLiteral("Ramo 9"));
        QCOMPARE(w.txtIndirizzo[e]->text(), QStringLiteral("Via 9"));
        QCOMPARE(w.txtCitta[e]->text(), QStringLiteral("Citta 9"));
        QMap<QString, QString> after = snapshot(w);
        for (QLineEdit *box :
             {w.txtTitolo[e], w.txtSottotitolo[e], w.txtIndirizzo[e], w.txtCitta[e]}) {
            const QString key = box->objectName() + QString::number(quintptr(box));
            before.remove(key);
            after.remove(key);
        }
        QCOMPARE(after, before);
        QCOMPARE(frmLettera::pictureOf(w.picLogo[frmLettera::kSender]), logo);
    }

    void searchPicturesOpenTheSearchWithTheirTags() {
        registerWindows();
        ArchiveStore store(env->folder());
        store.appendRecord(HandOffContacts::full(QStringLiteral("Uno"), QStringLiteral("1")));
        frmLettera w;
        w.show();
        QVERIFY(w.picTrova01->isEnabled());
        QVERIFY(w.picTrova02->isEnabled());
        QStringList tags;
        auto pick = [&] {
            auto *s = qobject_cast<frmTrovaContatto *>(QApplication::activeModalWidget());
            QVERIFY(s);
            tags << s->lblMemory->text();
            chooseLine(*s, 0);
        };
        QTimer::singleShot(0, pick);
        QTest::mouseClick(w.picTrova01, Qt::LeftButton, {}, QPoint(4, 4));
        QCOMPARE(w.txtTel[frmLettera::kSender]->text(), QStringLiteral("Tel 1"));
        QTimer::singleShot(0, pick);
        QTest::mouseClick(w.picTrova02, Qt::LeftButton, {}, QPoint(4, 4));
        QCOMPARE(w.txtTitolo[frmLettera::kRecipient]->text(), QStringLiteral("Uno"));
        QCOMPARE(tags, (QStringList{"buste_mitt", "buste_dest"}));
    }
};

QTEST_MAIN(TestFrmTrovaContattoEnvelope)
#include "tst_frmTrovaContatto_envelope.moc"
