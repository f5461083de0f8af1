// The information window.
#include <QtTest>

#include "app/frmInfo.h"
#include "platform/ProgramFolder.h"
#include "support/TestEnvironment.h"

class TestFrmInfo : public QObject {
    Q_OBJECT

private slots:
    void captionArtworkAndFolder() {
        TestEnvironment env;
        frmInfo w;
        QCOMPARE(w.windowTitle(), QStringLiteral("Informazioni su Cartaflex 2.0"));
        QCOMPARE(w.cmdOK->text().remove(u'&'), QStringLiteral("OK"));
        for (QPushButton *art : {w.cmdLogo, w.cmdUtente, w.cmdWarranty}) {
            QVERIFY(!art->icon().isNull());
            QVERIFY(art->icon()
                        .pixmap(art->iconSize())
                        .toImage()
                        .pixelColor(art->iconSize().width() / 2, art->iconSize().height() / 2)
                        .alpha() > 0);
        }
        QVERIFY(w.lblUtente->text().contains(QDir::toNativeSeparators(env.folder())));
        QVERIFY(w.lblProdotto->text().startsWith(QStringLiteral("Cartaflex 2.0")));
    }

    void artworkButtonsDoNothing() {
        frmInfo w;
        w.show();
        QTest::mouseClick(w.cmdUtente, Qt::LeftButton);
        QTest::mouseClick(w.cmdWarranty, Qt::LeftButton);
        QTest::mouseClick(w.cmdLogo, Qt::LeftButton);
        QVERIFY(w.isVisible());
    }

    void okCloses() {
        bool closed = false;
        QTimer::singleShot(50, [&closed] {
            auto *w = qobject_cast<frmInfo *>(QApplication::activeModalWidget());
            if (!w) return;
            QTest::mouseClick(w->cmdOK, Qt::LeftButton);
            closed = !w->isVisible();
        });
        QWidget caller;
        frmInfo::showModal(&caller);
        QVERIFY(closed);
    }
};

QTEST_MAIN(TestFrmInfo)
#include "tst_frmInfo.moc"
