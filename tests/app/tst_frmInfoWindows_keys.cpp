#include <QTest>
#include <memory>

#include "app/frmAbout.h"
#include "app/frmHelpForm.h"
#include "app/frmInfo.h"
#include "support/TestEnvironment.h"
#include "support/widgets/FocusChain.h"

namespace {

std::unique_ptr<QDialog> makeWindow(const QString &which) {
    if (which == QLatin1String("help")) return std::make_unique<frmHelpForm>();
    if (which == QLatin1String("info")) return std::make_unique<frmInfo>();
    return std::make_unique<frmAbout>();
}

}  // namespace

// The help, information and about windows by keyboard alone.
class TestInfoWindowsKeys : public QObject {
    Q_OBJECT
private slots:
    void everyControlIsOnTheTabChainWithAName_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QStringList>("pictures");  // logo boxes and pictures to be named
        QTest::newRow("help") << "help" << QStringList{"cmdLogo", "imgPDF"};
        QTest::newRow("info") << "info" << QStringList{"cmdLogo", "cmdUtente", "cmdWarranty"};
        QTest::newRow("about") << "about" << QStringList{"imgStemma", "cmdLogo",  "cmdFoto",
                                                         "cmdInfo",   "imgEmail", "imgWeb"};
    }
    void everyControlIsOnTheTabChainWithAName() {
        QFETCH(QString, window);
        QFETCH(QStringList, pictures);
        TestEnvironment env;
        auto w = makeWindow(window);
        QCOMPARE(FocusChain::unreachableOrNameless(w.get()), QStringList());
        for (const QString &name : pictures) {
            auto *picture = w->findChild<QWidget *>(name);
            QVERIFY2(picture && !FocusChain::spokenName(picture).isEmpty(), qPrintable(name));
        }
    }

    void keys_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("focus");  // the control with the focus, or empty
        QTest::addColumn<QKeySequence>("key");
        QTest::addColumn<bool>("open");
        QTest::addColumn<QString>("url");      // the address opened, or empty
        QTest::addColumn<QString>("message");  // the text shown, or empty
        using K = QKeySequence;
        const QString noGuide = QStringLiteral("File della guida non trovato.");
        QTest::newRow("help: Space on the guide link")
            << "help"
            << "lblPDF" << K(Qt::Key_Space) << true << "" << noGuide;
        QTest::newRow("help: Enter on the guide link")
            << "help"
            << "lblPDF" << K(Qt::Key_Return) << true << "" << noGuide;
        QTest::newRow("help: Alt+V guide link")
            << "help"
            << "" << K(Qt::ALT | Qt::Key_V) << true << "" << noGuide;
        QTest::newRow("help: Alt+S print") << "help"
                                           << "" << K(Qt::ALT | Qt::Key_S) << true << ""
                                           << "Si desidera stampare il testo corrente?";
        QTest::newRow("help: Alt+C close") << "help"
                                           << "" << K(Qt::ALT | Qt::Key_C) << false << ""
                                           << "";
        QTest::newRow("help: Escape") << "help"
                                      << "" << K(Qt::Key_Escape) << false << ""
                                      << "";
        QTest::newRow("info: Alt+O") << "info"
                                     << "" << K(Qt::ALT | Qt::Key_O) << false << ""
                                     << "";
        QTest::newRow("info: Escape") << "info"
                                      << "" << K(Qt::Key_Escape) << false << ""
                                      << "";
        QTest::newRow("about: Enter on the web link")
            << "about"
            << "lblSitoWeb" << K(Qt::Key_Return) << true << "https://www.cartaflex.it"
            << "";
        QTest::newRow("about: Alt+C close") << "about"
                                            << "" << K(Qt::ALT | Qt::Key_C) << false << ""
                                            << "";
    }
    void keys() {
        QFETCH(QString, window);
        QFETCH(QString, focus);
        QFETCH(QKeySequence, key);
        QFETCH(bool, open);
        QFETCH(QString, url);
        QFETCH(QString, message);
        TestEnvironment env;
        auto w = makeWindow(window);
        w->show();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        QWidget *target = w.get();
        if (!focus.isEmpty()) {
            target = w->findChild<QWidget *>(focus);
            target->setFocus(Qt::TabFocusReason);
        }
        QTest::keySequence(target, key);
        // An Alt letter clicks its button after a short animation.
        QTRY_COMPARE(w->isVisible(), open);
        QTRY_COMPARE(env.platform().openedUrls, url.isEmpty() ? QStringList() : QStringList{url});
        QTRY_COMPARE(
            env.platform().messages.isEmpty() ? QString() : env.platform().messages.first().text,
            message);
    }
};

QTEST_MAIN(TestInfoWindowsKeys)
#include "tst_frmInfoWindows_keys.moc"
