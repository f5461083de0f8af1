// Work by keyboard alone: what Tab reaches in each window and the names a screen reader
// speaks there, the windows' keys, and the card composer printing the format chosen
// with the arrows.
#include <QApplication>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

#include "archive/ArchiveStore.h"
#include "cards/frmBiglietti.h"
#include "cards/frmMyPrinterListening.h"
#include "envelopes/EnvelopePrinter.h"
#include "envelopes/frmImposta.h"
#include "envelopes/frmLettera.h"
#include "labels/frmEtichette.h"
#include "printing/PrinterList.h"
#include "printing/PrinterPage.h"
#include "printing/RecordingPageDevice.h"
#include "printing/widgets/CalibrationDialog.h"
#include "printing/widgets/PrintDialog.h"
#include "printing/widgets/PrintPreviewWindow.h"
#include "search/frmTrovaContatto.h"
#include "support/HandOffContacts.h"
#include "support/TestEnvironment.h"
#include "support/widgets/FocusChain.h"
#include "ui/Hub.h"

namespace {

// The windows, opened as the user finds them; the card composer with its second format
// chosen.
std::unique_ptr<QWidget> openWindow(const QString &kind) {
    std::unique_ptr<QWidget> w;
    if (kind == QLatin1String("biglietti")) {
        auto *cards = new frmBiglietti;
        cards->optCard_Pic_No->click();
        w.reset(cards);
    } else if (kind == QLatin1String("buste")) {
        w = std::make_unique<frmLettera>();
    } else if (kind == QLatin1String("margini")) {
        w = std::make_unique<frmImposta>(nullptr);
    } else if (kind == QLatin1String("trova")) {
        auto *search = new frmTrovaContatto;
        search->cboCriterio->setCurrentIndex(0);
        emit search->cboCriterio->activated(0);
        w.reset(search);
    } else if (kind == QLatin1String("stampa biglietti")) {
        w = std::make_unique<frmMyPrinterListening>(nullptr);
    } else if (kind == QLatin1String("stampa")) {
        Printout p;
        p.caption = QStringLiteral("Stampa busta");
        p.hasPages = true;
        p.cardsPerSheet = 21;
        p.draw = [](PrinterPage &, const PrintChoices &) { return true; };
        p.testPage = [](PrinterPage &) { return true; };
        w = std::make_unique<PrintDialog>(p);
    } else if (kind == QLatin1String("calibrazione")) {
        w = std::make_unique<CalibrationDialog>(QStringLiteral("Ufficio"),
                                                [](PrinterPage &) { return true; });
    } else if (kind == QLatin1String("anteprima")) {
        w = std::make_unique<PrintPreviewWindow>(
            QList<PrintPreview::Page>{PrintPreview::Page{QSizeF(11906, 16838), {}},
                                      PrintPreview::Page{QSizeF(11906, 16838), {}}});
    } else if (kind == QLatin1String("etichette")) {
        w = std::make_unique<frmEtichette>(
            SeriesPrint::Kind::Labels,
            QList<frmEtichette::Choice>{
                {QStringLiteral("Tutto l'archivio"), ContactSelection::wholeArchive()}});
    }
    return w;
}

}  // namespace

class TestFrmKeyboard : public QObject {
    Q_OBJECT
    std::unique_ptr<TestEnvironment> env;
    std::shared_ptr<RecordingPageDevice> rec;
    QStringList calls;

    void show(QWidget *w) {
        w->show();
        QApplication::setActiveWindow(w);
        QVERIFY(QTest::qWaitForWindowActive(w));
    }

private slots:
    void init() {
        Hub::instance().reset();
        env = std::make_unique<TestEnvironment>();
        calls.clear();
        for (auto action : {Hub::Action::Search, Hub::Action::Help})
            Hub::instance().registerAction(action, [this, action](QWidget *, const QString &arg) {
                calls << Hub::actionName(action) + QLatin1Char(':') + arg;
            });
        PrintDialog::forgetLastEntry();
        PrinterList::setFixed({QStringLiteral("Ufficio")}, QStringLiteral("Ufficio"));
        PrinterPage::printer().reset();
        rec = std::make_shared<RecordingPageDevice>();
        PrinterPage::printer().setQueueDeviceFactory([this](const QString &) { return rec; });
    }
    void cleanup() {
        Hub::instance().reset();
        PrinterList::useSystem();
        PrinterPage::printer().reset();
        env.reset();
    }

    // Tab reaches every control that acts, in this order (other stops may come between,
    // such as the browsing bar), and each has a name.
    void tabReachesEveryNamedControl_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QStringList>("controls");
        QTest::newRow("biglietti")
            << "biglietti"
            << QStringList{"optCard_Pic_No", "picNuovo02", "txtTitolo", "txtSottotitolo",
                           "txtIndirizzo",   "txtCitta",   "txtIva",    "txtTel",
                           "txtCel",         "txtEmail",   "cmdTrova",  "cmdStampa01",
                           "lblHelp",        "lblEsci"};
        QTest::newRow("buste") << "buste"
                               << QStringList{"picTrova01",  "picNuovo01",       "picLogo",
                                              "txtTitolo_0", "txtSottotitolo_0", "txtEmail_0",
                                              "picTrova02",  "picNuovo02",       "txtTitolo_3",
                                              "txtCitta_3",  "lblImposta",       "cmdStampa",
                                              "cmdImp",      "cmdAnnulla"};
        QTest::newRow("margini") << "margini"
                                 << QStringList{"cboSegnoSin",  "txtCmSin",   "txtMmSin",
                                                "cboSegnoSup",  "txtCmSupD",  "txtMmSupD",
                                                "optVerticale", "cboFormato", "cmdApplica",
                                                "cmdAnnulla"};
        QTest::newRow("trova") << "trova" << QStringList{"cboCriterio",       "txtChiave",
                                                         "cmdCerca",          "lstRiepilogo",
                                                         "cmdSelezionaTutto", "cmdDeselezionaTutto",
                                                         "cmdEtichette",      "cmdBuste",
                                                         "cmdStampa",         "cmdAnnulla"};
        QTest::newRow("stampa biglietti")
            << "stampa biglietti"
            << QStringList{"cboPrinters",  "txtCopie",   "spnInizio",  "spnBiglietti", "cmdStampa",
                           "cmdAnteprima", "cmdCalibra", "cmdAnnulla", "cmdInfo"};
        QTest::newRow("stampa") << "stampa"
                                << QStringList{"cboPrinters",  "spnPagine", "spnInizio",
                                               "spnBiglietti", "cmdStampa", "cmdAnteprima",
                                               "cmdCalibra",   "cmdAnnulla"};
        QTest::newRow("calibrazione")
            << "calibrazione" << QStringList{"cmdProva", "cmdSalva", "cmdAnnulla"};
        QTest::newRow("anteprima")
            << "anteprima" << QStringList{"cmdSuccessiva", "cboZoom", "cmdStampa", "cmdIndietro"};
        QTest::newRow("etichette")
            << "etichette"
            << QStringList{"cboSelezione", "cboFormato", "spnInizio", "cmdStampa", "cmdAnnulla"};
    }
    void tabReachesEveryNamedControl() {
        QFETCH(QString, window);
        QFETCH(QStringList, controls);
        std::unique_ptr<QWidget> w = openWindow(window);
        show(w.get());
        QStringList names;
        for (QWidget *stop : FocusChain::walk(w.get())) {
            names << stop->objectName();
            QVERIFY2(!FocusChain::spokenName(stop).trimmed().isEmpty(),
                     qPrintable(stop->objectName() + QStringLiteral(" has no name")));
        }
        // The card composer leaves the formats not chosen to the mouse; elsewhere every
        // control that acts is on the chain.
        if (window != QLatin1String("biglietti")) {
            const QStringList missing = FocusChain::unreachableOrNameless(w.get());
            QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QStringLiteral(", "))));
        }
        // No Alt letter twice in the window.
        QStringList letters = FocusChain::altLetters(w.get());
        const QString all = letters.join(QLatin1Char(' '));
        QVERIFY2(letters.removeDuplicates() == 0, qPrintable(all));
        QVERIFY(letters.size() >= 3);
        // The expected controls in their order, round the window from the first one.
        const qsizetype start = names.indexOf(controls.first());
        QVERIFY2(start >= 0, qPrintable(names.join(QLatin1Char(' '))));
        const QStringList round = names.mid(start) + names.mid(0, start);
        qsizetype at = 0;
        for (const QString &c : controls) {
            at = round.indexOf(c, at);
            QVERIFY2(at >= 0, qPrintable(c + QStringLiteral(" not reached in order: ") +
                                         round.join(QLatin1Char(' '))));
        }
    }

    // The window keys: what each does, seen in the hub's actions, the messages, the
    // window that opens, or the window closing.
    void windowKeys_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QKeySequence>("key");
        QTest::addColumn<QString>("effect");
        const QString confirm = QString::fromUtf8(EnvelopePrinter::kConfirmTitle);
        QTest::newRow("biglietti F1")
            << "biglietti" << QKeySequence(Qt::Key_F1) << "help:biglietti";
        QTest::newRow("biglietti Ctrl+F")
            << "biglietti" << QKeySequence(QStringLiteral("Ctrl+F")) << "search:biglietti";
        QTest::newRow("biglietti Ctrl+P") << "biglietti" << QKeySequence(QStringLiteral("Ctrl+P"))
                                          << "window:frmMyPrinterListening";
        QTest::newRow("biglietti Esc") << "biglietti" << QKeySequence(Qt::Key_Escape) << "closed";
        QTest::newRow("buste F1") << "buste" << QKeySequence(Qt::Key_F1) << "help:buste";
        QTest::newRow("buste Ctrl+F")
            << "buste" << QKeySequence(QStringLiteral("Ctrl+F")) << "search:buste_dest";
        QTest::newRow("buste Ctrl+Shift+F")
            << "buste" << QKeySequence(QStringLiteral("Ctrl+Shift+F")) << "search:buste_mitt";
        QTest::newRow("buste Ctrl+P")
            << "buste" << QKeySequence(QStringLiteral("Ctrl+P")) << "message:" + confirm;
        QTest::newRow("buste Ctrl+M")
            << "buste" << QKeySequence(QStringLiteral("Ctrl+M")) << "window:frmImposta";
        QTest::newRow("buste Esc") << "buste" << QKeySequence(Qt::Key_Escape) << "closed";
    }
    void windowKeys() {
        QFETCH(QString, window);
        QFETCH(QKeySequence, key);
        QFETCH(QString, effect);
        std::unique_ptr<QWidget> w = openWindow(window);
        show(w.get());
        QStringList seen;
        QTimer::singleShot(0, this, [&] {
            if (QWidget *modal = QApplication::activeModalWidget()) {
                seen << QStringLiteral("window:") + modal->objectName();
                modal->close();
            }
        });
        QWidget *focus = QApplication::focusWidget();
        QTest::keySequence(focus ? focus : w.get(), key);
        QTest::qWait(20);
        seen << calls;
        for (const auto &m : env->platform().messages) seen << QStringLiteral("message:") + m.title;
        if (!w->isVisible()) seen << QStringLiteral("closed");
        QCOMPARE(seen, QStringList{effect});
    }

    // The card composer by keyboard: the arrows choose the second format, Tab walks its
    // boxes only, Ctrl+P and Enter print it.
    void cardComposerPrintsTheFormatChosenByKeyboard() {
        frmBiglietti w;
        show(&w);
        w.optCard_Pic_Si->setFocus(Qt::TabFocusReason);
        QTest::keyClick(w.optCard_Pic_Si, Qt::Key_Right);
        QTest::keyClick(w.optCard_Pic_No, Qt::Key_Right);
        QTest::keyClick(w.optCard_Med, Qt::Key_Left);
        QCOMPARE(w.selectedFormat(), std::optional(CardFormat::SmallNoLogo));
        QCOMPARE(QApplication::focusWidget(), w.optCard_Pic_No);
        // Tab: the chosen format's controls, then the bar; no box of another format.
        QStringList typed;
        for (int i = 0; i < 40 && QApplication::focusWidget() != w.cmdStampa01; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QWidget *f = QApplication::focusWidget();
            QVERIFY(w.selectedFormat() == CardFormat::SmallNoLogo);
            if (auto *box = qobject_cast<QLineEdit *>(f)) {
                QCOMPARE(box->parentWidget(), w.picBiglietto[1]);
                box->selectAll();
                QTest::keyClicks(box, box->objectName() + QStringLiteral(" 2"));
                typed << box->text();
            }
        }
        QCOMPARE(typed.size(), 8);
        QCOMPARE(QApplication::focusWidget(), w.cmdStampa01);
        QTimer::singleShot(0, this, [] {
            QWidget *dialog = QApplication::activeModalWidget();
            QVERIFY(dialog);
            QTest::keyClick(dialog->focusWidget() ? dialog->focusWidget() : dialog, Qt::Key_Return);
        });
        QTest::keySequence(&w, QKeySequence(QStringLiteral("Ctrl+P")));
        QCOMPARE(rec->documents.size(), 1);
        int titles = 0;
        for (const PageOp &op : rec->texts()) titles += op.text == QStringLiteral("txtTitolo 2");
        QCOMPARE(titles, 21);
    }

    // Enter in the key box searches; Enter on a line hands it to the card composer.
    void searchWindowEnterKeys() {
        ArchiveStore store(env->folder());
        QVERIFY(store.appendRecord(HandOffContacts::full(QStringLiteral("Primo"), "1")));
        QVERIFY(store.appendRecord(HandOffContacts::full(QStringLiteral("Studio Rossi"), "2")));
        frmBiglietti cards;
        frmTrovaContatto s(&cards);
        s.lblMemory->setText(QStringLiteral("biglietti"));
        show(&s);
        s.cboCriterio->setCurrentIndex(0);
        emit s.cboCriterio->activated(0);
        s.txtChiave->setFocus();
        QTest::keyClicks(s.txtChiave, QStringLiteral("rossi"));
        QTest::keyClick(s.txtChiave, Qt::Key_Return);
        QCOMPARE(s.lstRiepilogo->count(), 1);
        QVERIFY(s.isVisible());
        s.lstRiepilogo->setFocus();
        s.lstRiepilogo->setCurrentRow(0);
        QTest::keyClick(s.lstRiepilogo, Qt::Key_Return);
        QVERIFY(!s.isVisible());
        QCOMPARE(s.result(), int(QDialog::Accepted));
        QCOMPARE(cards.txtTitolo[2]->text(), QStringLiteral("Studio Rossi"));
        QCOMPARE(cards.lblPosizione->text(), QStringLiteral(" 2"));
    }
};

QTEST_MAIN(TestFrmKeyboard)
#include "tst_frmKeyboard.moc"
