// Work by keyboard alone in the smaller windows: the VAT check, the e-mail, the
// spreadsheet export, the backup wizard, the contacts import and the printout's progress.
#include <QApplication>
#include <QTest>
#include <memory>

#include "archive/ArchiveStore.h"
#include "archive/frmEmail.h"
#include "backup/frmBakClienti.h"
#include "backup/frmBakClienti01.h"
#include "backup/frmRipClienti01.h"
#include "contactfiles/frmImporta.h"
#include "office/frmToExcel.h"
#include "printing/widgets/PrintProgressWindow.h"
#include "support/TestEnvironment.h"
#include "support/widgets/FocusChain.h"
#include "ui/Hub.h"
#include "vat/frmCalcIva.h"

class TestFrmKeyboardOthers : public QObject {
    Q_OBJECT
    std::unique_ptr<TestEnvironment> env;
    std::unique_ptr<ArchiveStore> store;
    QStringList calls;

    // The windows as the user finds them, with something typed or chosen where a button
    // waits for it.
    std::unique_ptr<QDialog> openWindow(const QString &kind) {
        if (kind == QLatin1String("iva")) {
            auto w = std::make_unique<frmCalcIva>();
            w->txtIva->setText(QStringLiteral("123"));
            return w;
        }
        if (kind == QLatin1String("email")) return std::make_unique<frmEmail>();
        if (kind == QLatin1String("foglio")) return std::make_unique<frmToExcel>();
        if (kind == QLatin1String("backup")) {
            auto w = std::make_unique<frmBakClienti>();
            w->optBakDDT->click();
            return w;
        }
        if (kind == QLatin1String("backup cartella")) return std::make_unique<frmBakClienti01>();
        if (kind == QLatin1String("ripristino")) return std::make_unique<frmRipClienti01>();
        if (kind == QLatin1String("importa"))
            return std::make_unique<frmImporta>(*store, env->file("rubrica.vcf"));
        if (kind == QLatin1String("stampa in corso")) {
            auto w = std::make_unique<PrintProgressWindow>();
            w->advance(PrintProgress{1, 3});
            return w;
        }
        return {};
    }

private slots:
    void init() {
        Hub::instance().reset();
        env = std::make_unique<TestEnvironment>();
        store = std::make_unique<ArchiveStore>(env->folder());
        calls.clear();
        Hub::instance().registerAction(Hub::Action::Help, [this](QWidget *, const QString &arg) {
            calls << QStringLiteral("help:") + arg;
        });
    }
    void cleanup() {
        store.reset();
        env.reset();
        Hub::instance().reset();
    }

    // Tab reaches every control that acts, in this order, each with a spoken name; the
    // Alt letters of the window, none twice.
    void tabReachesEveryNamedControl_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QStringList>("controls");
        QTest::addColumn<QStringList>("letters");
        QTest::newRow("iva") << "iva"
                             << QStringList{"imgLogo",       "imgNuovo", "txtIva",   "imgCopia",
                                            "cmdCalcolaIva", "cmdGuida", "cmdChiudi"}
                             << QStringList{};
        QTest::newRow("email") << "email" << QStringList{"txtIndirizzo", "txtCC",    "txtCCN",
                                                         "txtOggetto",   "txtCorpo", "cmdInvia"}
                               << QStringList{"A", "C", "N", "O", "T", "I"};
        QTest::newRow("foglio") << "foglio" << QStringList{"cmdEsporta"} << QStringList{"E"};
        QTest::newRow("backup") << "backup"
                                << QStringList{"optBakDDT", "imgGuida", "cmdAvanti", "cmdEsci"}
                                << QStringList{"B", "R"};
        QTest::newRow("backup cartella")
            << "backup cartella" << QStringList{"cmdSelect", "cmdIndietro", "cmdEsci"}
            << QStringList{"S", "E"};
        QTest::newRow("ripristino")
            << "ripristino" << QStringList{"cmdSelect", "cmdIndietro", "cmdEsci"}
            << QStringList{"S", "E"};
        QTest::newRow("importa") << "importa"
                                 << QStringList{"grdContatti", "optNuovi", "cmdImporta",
                                                "cmdAnnulla"}
                                 << QStringList{"N", "T", "I", "A"};
        QTest::newRow("stampa in corso")
            << "stampa in corso" << QStringList{"cmdAnnulla"} << QStringList{"A"};
    }
    void tabReachesEveryNamedControl() {
        QFETCH(QString, window);
        QFETCH(QStringList, controls);
        QFETCH(QStringList, letters);
        std::unique_ptr<QDialog> w = openWindow(window);
        QStringList names;
        for (QWidget *stop : FocusChain::walk(w.get())) names << stop->objectName();
        const QString shots = qEnvironmentVariable("CARTAFLEX_SCREENSHOT_DIR");
        if (!shots.isEmpty()) w->grab().save(shots + QStringLiteral("/keys %1.png").arg(window));
        const QStringList missing = FocusChain::unreachableOrNameless(w.get());
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QStringLiteral(", "))));
        QStringList alt;
        for (const QString &key : FocusChain::altLetters(w.get()))
            alt << key.section(QLatin1Char('+'), -1);
        std::sort(alt.begin(), alt.end());
        std::sort(letters.begin(), letters.end());
        QCOMPARE(alt, letters);
        // The chain, round the window from the first expected control.
        const qsizetype start = names.indexOf(controls.first());
        QVERIFY2(start >= 0, qPrintable(names.join(QLatin1Char(' '))));
        QCOMPARE(names.mid(start) + names.mid(0, start), controls);
    }

    // Escape leaves each window as its closing button does (the printout's progress
    // stops the printout, as "Annulla" does).
    void escapeClosesAsTheCloseButton_data() {
        QTest::addColumn<QString>("window");
        for (const char *w : {"iva", "email", "foglio", "backup", "backup cartella", "ripristino",
                              "importa", "stampa in corso"})
            QTest::newRow(w) << QString::fromLatin1(w);
    }
    void escapeClosesAsTheCloseButton() {
        QFETCH(QString, window);
        std::unique_ptr<QDialog> w = openWindow(window);
        w->show();
        QApplication::setActiveWindow(w.get());
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        QWidget *focus = QApplication::focusWidget();
        QTest::keyClick(focus ? focus : w.get(), Qt::Key_Escape);
        if (auto *progress = qobject_cast<PrintProgressWindow *>(w.get())) {
            QVERIFY(progress->stopRequested());
            return;
        }
        QVERIFY(!w->isVisible());
        QCOMPARE(w->result(), int(QDialog::Rejected));
        if (auto *first = qobject_cast<frmBakClienti *>(w.get()))
            QCOMPARE(first->next(), frmBakClienti::Choice::None);
        if (auto *page = qobject_cast<frmBackupPage *>(w.get()))
            QCOMPARE(page->next(), frmBackupPage::Next::End);
    }

    // The picture keys act from the keyboard: Space clears the number, Enter copies it,
    // Space on the wizard's guide opens its help topic; Alt and the caption's letter
    // press the picture button beside it.
    void pictureKeysActByKeyboard() {
        auto iva = openWindow(QStringLiteral("iva"));
        auto &vat = static_cast<frmCalcIva &>(*iva);
        QTest::keyClick(vat.imgCopia, Qt::Key_Return);
        QCOMPARE(env->platform().clipboard, QStringLiteral("123"));
        QTest::keyClick(vat.imgNuovo, Qt::Key_Space);
        QCOMPARE(vat.txtIva->text(), QString());
        auto first = openWindow(QStringLiteral("backup"));
        QTest::keyClick(static_cast<frmBakClienti &>(*first).imgGuida, Qt::Key_Space);
        QCOMPARE(calls, QStringList{"help:backup"});
        auto page = openWindow(QStringLiteral("backup cartella"));
        page->show();
        QApplication::setActiveWindow(page.get());
        QVERIFY(QTest::qWaitForWindowActive(page.get()));
        env->platform().queueFolder(env->folder());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_S, Qt::AltModifier);
        QTRY_COMPARE(static_cast<frmBakClienti01 &>(*page).lblCartella->text(), env->folder());
    }
};

QTEST_MAIN(TestFrmKeyboardOthers)
#include "tst_frmKeyboard_others.moc"
