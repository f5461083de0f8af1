#include <QApplication>
#include <QClipboard>
#include <QTest>
#include <memory>

#include "support/TestEnvironment.h"
#include "ui/Hub.h"
#include "vat/frmCalcIva.h"

namespace {
QString u8(const char *s) {
    return QString::fromUtf8(s);
}
}  // namespace

class TestFrmCalcIva : public QObject {
    Q_OBJECT

    std::unique_ptr<TestEnvironment> env;
    std::unique_ptr<frmCalcIva> w;

    ScriptedPlatform &platform() { return env->platform(); }
    QStringList texts() const {
        QStringList out;
        for (const auto &m : env->platform().messages) out << m.text;
        return out;
    }
    void openWindow(const QString &number = QString()) {
        w = std::make_unique<frmCalcIva>();
        w->txtIva->setText(number);
        w->show();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        w->txtIva->setFocus();
    }

private slots:
    void init() {
        Hub::instance().reset();
        env = std::make_unique<TestEnvironment>();
    }
    void cleanup() {
        w.reset();
        env.reset();
        Hub::instance().reset();
    }

    void designState() {
        openWindow();
        QCOMPARE(w->windowTitle(), QStringLiteral(" Controllo partita IVA"));
        QCOMPARE(w->txtIva->maxLength(), 11);
        QVERIFY(!w->cmdCalcolaIva->isEnabled());
        QCOMPARE(w->cmdCalcolaIva->toolTip(),
                 QStringLiteral(" Fare clic per effettuare il controllo "));
        QCOMPARE(w->imgNuovo->toolTip(), QStringLiteral(" Nuovo "));
        QCOMPARE(w->imgCopia->toolTip(), QStringLiteral(" Copia "));
        QCOMPARE(w->lblInstruct->text(),
                 QStringLiteral(
                     "Inserire il numero di partita IVA e premere il pulsante di controllo."));
        QVERIFY(w->txtIva->font().bold());
        QCOMPARE(w->txtIva->font().pointSizeF(), 27.75);
        QVERIFY(!w->cmdGuida->isEnabled());  // no help window in this build
        const QString shots = qEnvironmentVariable("CARTAFLEX_SCREENSHOT_DIR");
        if (!shots.isEmpty()) w->grab().save(shots + QStringLiteral("/frmCalcIva.png"));
    }

    void helpGoesToTheIvaTopic() {
        QString topic;
        Hub::instance().registerAction(Hub::Action::Help,
                                       [&](QWidget *, const QString &arg) { topic = arg; });
        openWindow();
        QVERIFY(w->cmdGuida->isEnabled());
        w->cmdGuida->click();
        QCOMPARE(topic, QStringLiteral("iva"));
    }

    void buttonFollowsTheText_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("empty") << "" << false;
        QTest::newRow("blanks") << "   " << false;
        QTest::newRow("one digit") << "1" << true;
        QTest::newRow("pasted letter") << "x" << true;
    }
    void buttonFollowsTheText() {
        QFETCH(QString, text);
        QFETCH(bool, enabled);
        openWindow(QStringLiteral("123"));
        QVERIFY(w->cmdCalcolaIva->isEnabled());
        w->txtIva->setText(text);
        QCOMPARE(w->cmdCalcolaIva->isEnabled(), enabled);
    }

    void keyFilter() {
        openWindow();
        QTest::keyClicks(w->txtIva, QStringLiteral("12"));
        QTest::keyClick(w->txtIva, Qt::Key_Q);
        QCOMPARE(w->txtIva->text(), QStringLiteral("12"));
        QCOMPARE(texts(), QStringList{"Digitare solo caratteri numerici."});
        QCOMPARE(platform().messages.at(0).title, QStringLiteral("Attenzione!"));
        QCOMPARE(platform().messages.at(0).icon, MsgIcon::Exclamation);
        QGuiApplication::clipboard()->setText(QStringLiteral("555"));
        QTest::keyClick(w->txtIva, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(w->txtIva->text(), QStringLiteral("12"));
        QCOMPARE(platform().messages.size(), 2);
        QTest::keyClick(w->txtIva, Qt::Key_Backspace);
        QCOMPARE(w->txtIva->text(), QStringLiteral("1"));
        // The twelfth digit is stopped by the box's length, without a message.
        QTest::keyClicks(w->txtIva, QStringLiteral("23456789012"));
        QCOMPARE(w->txtIva->text(), QStringLiteral("12345678901"));
        QCOMPARE(platform().messages.size(), 2);
    }

    void enterRunsTheCheck_data() {
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("after");
        QTest::newRow("empty box, disabled button")
            << "" << u8("Non è stato specificato alcun valore.") << "";
        QTest::newRow("ten digits")
            << "1234567001"
            << "Il numero di partita IVA deve essere costituito da 11 cifre."
            << "1234567001";
        QTest::newRow("right") << "12345670017"
                               << u8("Il numero di partita IVA è ESATTO. E' stato rilasciato "
                                     "dall'Ufficio di Torino.")
                               << "12345670017";
        QTest::newRow("wrong") << "12345670018"
                               << "Numero di partita IVA ERRATO."
                               << "12345670018";
    }
    void enterRunsTheCheck() {
        QFETCH(QString, number);
        QFETCH(QString, message);
        QFETCH(QString, after);
        openWindow(number);
        QTest::keyClick(w->txtIva, Qt::Key_Return);
        QCOMPARE(texts(), QStringList{message});
        QCOMPARE(w->txtIva->text(), after);
        QCOMPARE(QApplication::focusWidget(), w->txtIva);
        QVERIFY(w->isVisible());  // Enter never reaches a default button
    }

    void rightNumberIsTrimmed() {
        openWindow();
        w->txtIva->setMaxLength(13);  // room for the blank the box's limit would cut
        w->txtIva->setText(QStringLiteral("12345670017 "));
        w->cmdCalcolaIva->click();
        QCOMPARE(w->txtIva->text(), QStringLiteral("12345670017"));
        QVERIFY(texts().at(0).endsWith(QStringLiteral("Torino.")));
    }

    void focusSelectsTheWholeText() {
        openWindow(QStringLiteral("12345670017"));
        w->cmdChiudi->setFocus();
        w->txtIva->setFocus();
        QCOMPARE(w->txtIva->selectedText(), QStringLiteral("12345670017"));
        QTest::keyClick(w->txtIva, Qt::Key_9);
        QCOMPARE(w->txtIva->text(), QStringLiteral("9"));
    }

    void logoRunsTheCheckOnlyWhenEnabled() {
        openWindow();
        QTest::mouseClick(w->imgLogo, Qt::LeftButton);
        QVERIFY(platform().messages.isEmpty());
        w->txtIva->setText(QStringLiteral("12345670018"));
        QTest::mouseClick(w->imgLogo, Qt::LeftButton);
        QCOMPARE(texts(), QStringList{"Numero di partita IVA ERRATO."});
    }

    void clearAndCopy() {
        openWindow(QStringLiteral("  123  "));
        platform().setClipboardText(QStringLiteral("before"));
        QTest::mouseClick(w->imgCopia, Qt::LeftButton);
        QCOMPARE(platform().clipboard, QStringLiteral("123"));
        QCOMPARE(platform().messages.last().title, QStringLiteral("Copia effettuata"));
        QCOMPARE(platform().messages.last().text,
                 QStringLiteral("Il numero di partita IVA corrente è stato copiato negli Appunti "
                                "di Windows con successo."));
        QTest::mouseClick(w->imgNuovo, Qt::LeftButton);
        QCOMPARE(w->txtIva->text(), QString());
        QVERIFY(!w->cmdCalcolaIva->isEnabled());
        QCOMPARE(QApplication::focusWidget(), w->txtIva);
        platform().setClipboardText(QStringLiteral("kept"));
        QTest::mouseClick(w->imgCopia, Qt::LeftButton);
        QCOMPARE(platform().clipboard, QStringLiteral("kept"));
        QCOMPARE(platform().messages.last().text,
                 QStringLiteral("Impossibile copiare negli Appunti di Windows. Nessun numero di "
                                "partita IVA corrente."));
        QCOMPARE(platform().messages.last().title, QStringLiteral("Operazione non applicabile"));
        QCOMPARE(platform().messages.last().icon, MsgIcon::Information);
    }

    void closeButton() {
        openWindow();
        w->cmdChiudi->click();
        QVERIFY(!w->isVisible());
    }
};

QTEST_MAIN(TestFrmCalcIva)
#include "tst_frmCalcIva.moc"
