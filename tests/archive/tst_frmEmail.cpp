#include <QApplication>
#include <QTest>
#include <memory>

#include "archive/frmEmail.h"
#include "support/TestEnvironment.h"

class TestFrmEmail : public QObject {
    Q_OBJECT

    std::unique_ptr<TestEnvironment> env;
    std::unique_ptr<frmEmail> w;

    void openWindow() {
        w = std::make_unique<frmEmail>();
        w->show();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        w->txtIndirizzo->setFocus();
    }

private slots:
    void init() { env = std::make_unique<TestEnvironment>(); }
    void cleanup() {
        w.reset();
        env.reset();
    }

    void designState() {
        openWindow();
        QCOMPARE(w->windowTitle(), QStringLiteral(" Invio e-mail"));
        QCOMPARE(w->lblIndirizzo->text().remove(u'&'), QStringLiteral("A:"));
        QCOMPARE(w->lblCc->text().remove(u'&'), QStringLiteral("Cc:"));
        QCOMPARE(w->lblCcn->text().remove(u'&'), QStringLiteral("Ccn:"));
        QCOMPARE(w->lblOggetto->text().remove(u'&'), QStringLiteral("Oggetto:"));
        QCOMPARE(w->lblTesto->text().remove(u'&'), QStringLiteral("Testo:"));
        QCOMPARE(w->cmdInvia->text().remove(u'&'), QStringLiteral("Invia"));
        QCOMPARE(w->txtCorpo->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        const QString shots = qEnvironmentVariable("CARTAFLEX_SCREENSHOT_DIR");
        if (!shots.isEmpty()) w->grab().save(shots + QStringLiteral("/frmEmail.png"));
    }

    void sends_data() {
        QTest::addColumn<QStringList>("boxes");  // A, Cc, Ccn, Oggetto, Testo
        QTest::addColumn<QString>("request");
        QTest::newRow("recipient only") << QStringList{"a@b.it", "", "", "", ""} << "mailto:a@b.it";
        QTest::newRow("subject and blind copy") << QStringList{"a@b.it", "", "n@b.it", "Prova", ""}
                                                << "mailto:a@b.it?Subject=Prova&BCC=n@b.it";
        QTest::newRow("text with a line break")
            << QStringList{"a@b.it", "c@b.it", "", "", "Ciao\nA presto"}
            << "mailto:a@b.it?Body=Ciao%0D%0AA%20presto&CC=c@b.it";
    }
    void sends() {
        QFETCH(QStringList, boxes);
        QFETCH(QString, request);
        openWindow();
        w->txtIndirizzo->setText(boxes[0]);
        w->txtCC->setText(boxes[1]);
        w->txtCCN->setText(boxes[2]);
        w->txtOggetto->setText(boxes[3]);
        w->txtCorpo->setPlainText(boxes[4]);
        w->cmdInvia->click();
        QCOMPARE(env->platform().openedUrls, QStringList{request});
        QVERIFY(env->platform().messages.isEmpty());
        QVERIFY(!w->isVisible());
        QCOMPARE(w->result(), int(QDialog::Accepted));
    }

    void prefilledByTheCaller() {
        w = std::make_unique<frmEmail>();
        w->prefill(QStringLiteral("supporto@cartaflex.it"), QStringLiteral("Cartaflex 2.0"));
        QCOMPARE(w->txtIndirizzo->text(), QStringLiteral("supporto@cartaflex.it"));
        QCOMPARE(w->txtOggetto->text(), QStringLiteral("Cartaflex 2.0"));
        QCOMPARE(w->request(),
                 QStringLiteral("mailto:supporto@cartaflex.it?Subject=Cartaflex%202.0"));
    }

    void failedHandOverKeepsTheWindowOpen() {
        openWindow();
        env->platform().setOpenUrlResult(false);
        w->txtIndirizzo->setText(QStringLiteral("a@b.it"));
        w->cmdInvia->click();
        QCOMPARE(env->platform().messages.size(), 1);
        const auto &m = env->platform().messages.at(0);
        QCOMPARE(m.text, QStringLiteral("Non è stato possibile individuare il software predefinito "
                                        "per la gestione della posta elettronica."));
        QCOMPARE(m.title, QStringLiteral("Invio e-mail fallito"));
        QCOMPARE(m.icon, MsgIcon::Critical);
        QVERIFY(w->isVisible());
    }

    void enterRing() {
        openWindow();
        const QList<QWidget *> ring{w->txtIndirizzo, w->txtCC, w->txtCCN, w->txtOggetto,
                                    w->txtCorpo};
        for (int i = 0; i < ring.size(); ++i) {
            QCOMPARE(QApplication::focusWidget(), ring[i]);
            QTest::keyClick(ring[i], Qt::Key_Return);
        }
        QCOMPARE(QApplication::focusWidget(), w->txtIndirizzo);
        QVERIFY(w->isVisible());
        QVERIFY(env->platform().openedUrls.isEmpty());
    }

    void enterInTheTextAddsNoLineBreak() {
        openWindow();
        w->txtCorpo->setFocus();
        QTest::keyClicks(w->txtCorpo, QStringLiteral("Buongiorno"));
        QTest::keyClick(w->txtCorpo, Qt::Key_Enter);
        QCOMPARE(w->txtCorpo->toPlainText(), QStringLiteral("Buongiorno"));
        QCOMPARE(QApplication::focusWidget(), w->txtIndirizzo);
    }

    void focusColours() {
        openWindow();
        const QColor yellow(0xFF, 0xFF, 0xC0);
        const QColor window = QApplication::palette().color(QPalette::Base);
        QCOMPARE(w->txtIndirizzo->palette().color(QPalette::Base), yellow);
        w->txtCorpo->setFocus();
        QCOMPARE(w->txtIndirizzo->palette().color(QPalette::Base), window);
        QCOMPARE(w->txtCorpo->viewport()->palette().color(QPalette::Base), yellow);
    }
};

QTEST_MAIN(TestFrmEmail)
#include "tst_frmEmail.moc"
