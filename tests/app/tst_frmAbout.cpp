// The about window: its links to the support e-mail and the web site.
#include <QtTest>

#include "app/frmAbout.h"
#include "archive/MailtoBuilder.h"
#include "archive/frmEmail.h"
#include "support/TestEnvironment.h"

namespace {

void release(QWidget *w) {
    QTest::mousePress(w, Qt::LeftButton, Qt::NoModifier, QPoint(3, 3));
    QTest::mouseRelease(w, Qt::LeftButton, Qt::NoModifier, QPoint(3, 3));
}

}  // namespace

class TestFrmAbout : public QObject {
    Q_OBJECT

private slots:
    void designState() {
        frmAbout w;
        QVERIFY(w.windowTitle().contains(QStringLiteral("Cartaflex 2.0")));
        QCOMPARE(w.cmdChiudi->text().remove(u'&'), QStringLiteral("Chiudi"));
        for (QWidget *art : {static_cast<QWidget *>(w.imgStemma), static_cast<QWidget *>(w.cmdFoto),
                             static_cast<QWidget *>(w.cmdInfo), static_cast<QWidget *>(w.cmdLogo)})
            QCOMPARE(art->parentWidget(), w.Frame1);
        QVERIFY(!w.imgStemma->pixmap().isNull());
        QCOMPARE(w.lblEmail->text(), QStringLiteral("assistenza@cartaflex.it"));
    }

    void emailLinkFillsTheEmailWindow_data() {
        QTest::addColumn<bool>("picture");
        QTest::newRow("label") << false;
        QTest::newRow("picture") << true;
    }
    void emailLinkFillsTheEmailWindow() {
        QFETCH(bool, picture);
        TestEnvironment env;
        frmAbout w;
        w.show();
        QString address, subject, body;
        QWidget *parent = nullptr;
        QTimer::singleShot(50, [&] {
            auto *mail = qobject_cast<frmEmail *>(QApplication::activeModalWidget());
            if (!mail) return;
            address = mail->txtIndirizzo->text();
            subject = mail->txtOggetto->text();
            body = mail->txtCorpo->toPlainText();
            parent = mail->parentWidget();
            QTest::mouseClick(mail->cmdInvia, Qt::LeftButton);
        });
        release(picture ? static_cast<QWidget *>(w.imgEmail) : w.lblEmail);
        QCOMPARE(address, QStringLiteral("assistenza@cartaflex.it"));
        QCOMPARE(subject, QStringLiteral("Cartaflex 2.0"));
        QCOMPARE(body, QString());
        QCOMPARE(parent, &w);
        const QString request =
            MailtoBuilder::build(QStringLiteral("assistenza@cartaflex.it"),
                                 QStringLiteral("Cartaflex 2.0"), QString(), QString(), QString());
        QVERIFY(
            request.startsWith(QStringLiteral("mailto:assistenza@cartaflex.it?Subject=Cartaflex")));
        QCOMPARE(env.platform().openedUrls, QStringList{request});
        QCOMPARE(QApplication::activeModalWidget(), &w);
        QVERIFY(w.isVisible());
    }

    void emailWithoutAMailProgram() {
        TestEnvironment env;
        env.platform().setOpenUrlResult(false);
        frmAbout w;
        w.show();
        QTimer::singleShot(50, [] {
            auto *mail = qobject_cast<frmEmail *>(QApplication::activeModalWidget());
            if (!mail) return;
            QTest::mouseClick(mail->cmdInvia, Qt::LeftButton);
            mail->reject();
        });
        release(w.lblEmail);
        QCOMPARE(env.platform().messages.size(), 1);
        QCOMPARE(env.platform().messages[0].icon, MsgIcon::Critical);
        QCOMPARE(env.platform().messages[0].title, QStringLiteral("Invio e-mail fallito"));
        QVERIFY(w.isVisible());
    }

    void webLinkOpensTheSite_data() {
        QTest::addColumn<bool>("picture");
        QTest::newRow("label") << false;
        QTest::newRow("picture") << true;
    }
    void webLinkOpensTheSite() {
        QFETCH(bool, picture);
        TestEnvironment env;
        frmAbout w;
        w.show();
        release(picture ? static_cast<QWidget *>(w.imgWeb) : w.lblSitoWeb);
        QCOMPARE(env.platform().openedUrls,
                 QStringList{QStringLiteral("https://www.cartaflex.it")});
        QVERIFY(env.platform().messages.isEmpty());
        QCOMPARE(env.platform().busyDepth, 0);
        QVERIFY(w.isVisible());
    }

    void webLinkWithoutABrowserSaysNothing() {
        TestEnvironment env;
        env.platform().setOpenUrlResult(false);
        frmAbout w;
        w.show();
        release(w.lblSitoWeb);
        QCOMPARE(env.platform().openedUrls.size(), 1);
        QVERIFY(env.platform().messages.isEmpty());
    }

    void closeUnloads() {
        bool closed = false;
        QTimer::singleShot(50, [&closed] {
            auto *w = qobject_cast<frmAbout *>(QApplication::activeModalWidget());
            if (!w) return;
            QTest::mouseClick(w->cmdChiudi, Qt::LeftButton);
            closed = !w->isVisible();
        });
        frmAbout::showModal(nullptr);
        QVERIFY(closed);
    }
};

QTEST_MAIN(TestFrmAbout)
#include "tst_frmAbout.moc"
