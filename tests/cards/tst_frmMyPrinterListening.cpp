// The card print dialog: printer list, pages box and spinner, the job on the recording
// device, the PDF entry, and the printers that are not there.
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QTest>
#include <memory>

#include "cards/frmBiglietti.h"
#include "cards/frmMyPrinterListening.h"
#include "printing/PrinterList.h"
#include "printing/PrinterPage.h"
#include "printing/RecordingPageDevice.h"
#include "printing/widgets/PrintDialog.h"
#include "support/PdfReadBack.h"
#include "support/TestEnvironment.h"
#include "vat/frmCalcIva.h"

namespace {

// Presses a script of keys in a box: "^A" is Ctrl+A, "+Ins" Shift+Insert, "Home", "End",
// "Left" and "Bksp" those keys, anything else its characters.
void press(QLineEdit *box, const QStringList &keys) {
    for (const QString &k : keys) {
        if (k.startsWith(u'^'))
            QTest::keyClick(box, k.at(1).toLatin1(), Qt::ControlModifier);
        else if (k == QLatin1String("+Ins"))
            QTest::keyClick(box, Qt::Key_Insert, Qt::ShiftModifier);
        else if (k == QLatin1String("Home"))
            QTest::keyClick(box, Qt::Key_Home);
        else if (k == QLatin1String("End"))
            QTest::keyClick(box, Qt::Key_End);
        else if (k == QLatin1String("Left"))
            QTest::keyClick(box, Qt::Key_Left);
        else if (k == QLatin1String("Bksp"))
            QTest::keyClick(box, Qt::Key_Backspace);
        else
            QTest::keyClicks(box, k);
    }
}

}  // namespace

class TestFrmMyPrinterListening : public QObject {
    Q_OBJECT
    std::unique_ptr<frmBiglietti> composer;
    std::shared_ptr<RecordingPageDevice> rec;
    QStringList madeFor;

    std::unique_ptr<frmMyPrinterListening> dialog(const QString &tag = QStringLiteral("card02")) {
        auto d = std::make_unique<frmMyPrinterListening>(composer.get());
        d->lblMemory->setText(tag);
        return d;
    }

private slots:
    void init() {
        PrintDialog::forgetLastEntry();
        PrinterList::setFixed({QStringLiteral("Ufficio"), QStringLiteral("Magazzino")},
                              QStringLiteral("Ufficio"));
        PrinterPage::printer().reset();
        rec = std::make_shared<RecordingPageDevice>();
        madeFor.clear();
        PrinterPage::printer().setQueueDeviceFactory([this](const QString &q) {
            madeFor << q;
            return rec;
        });
        composer = std::make_unique<frmBiglietti>();
    }
    void cleanup() {
        composer.reset();
        PrinterList::useSystem();
        PrinterPage::printer().reset();
    }

    void printerListAndDesignState() {
        TestEnvironment env;
        auto d = dialog();
        QCOMPARE(d->windowTitle(), QStringLiteral(" Stampa biglietti da visita"));
        QStringList items;
        for (int i = 0; i < d->cboPrinters->count(); ++i) items << d->cboPrinters->itemText(i);
        QCOMPARE(items, (QStringList{QStringLiteral("Ufficio"), QStringLiteral("Magazzino"),
                                     PrintDialog::pdfEntry()}));
        QCOMPARE(d->cboPrinters->currentText(), QStringLiteral("Ufficio"));
        QCOMPARE(d->txtCopie->text(), QStringLiteral("1"));
        QCOMPARE(d->txtCopie->maxLength(), 3);
        QCOMPARE(d->spinnerValue(), 1);
        QVERIFY(!d->lblMemory->isVisibleTo(d.get()));
        QVERIFY(env.platform().messages.isEmpty());
        d->lblInfo->setText(CardFormats::printDialogInfo(CardFormat::Medium));
        d->grab().save(QDir::temp().filePath(QStringLiteral("frmMyPrinterListening.png")));
    }

    void noPrinterAtAll() {
        TestEnvironment env;
        PrinterList::setFixed({});
        PrinterPage::printer().reset();
        auto d = dialog();
        QCOMPARE(env.platform().messages.size(), 1);
        const auto *m = env.platform().lastMessage();
        QCOMPARE(m->title, QStringLiteral("Impossibile eseguire la stampa"));
        QCOMPARE(m->text, QStringLiteral("Accertarsi che la stampante sia collegata al computer e "
                                         "che sia configurata correttamente."));
        QCOMPARE(m->icon, MsgIcon::Critical);
        // The sheets can still be saved as a PDF file.
        QCOMPARE(d->cboPrinters->count(), 1);
        QCOMPARE(d->cboPrinters->currentText(), PrintDialog::pdfEntry());
    }

    void digitsOnly_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("messages");
        QTest::newRow("digits") << "12"
                                << "12" << 0;
        QTest::newRow("a letter") << "a"
                                  << "" << 1;
        QTest::newRow("letters among digits") << "1x2"
                                              << "12" << 1;
        QTest::newRow("blank") << " "
                               << "" << 1;
    }
    void digitsOnly() {
        QFETCH(QString, typed);
        QFETCH(QString, text);
        QFETCH(int, messages);
        TestEnvironment env;
        auto d = dialog();
        d->txtCopie->clear();
        QTest::keyClicks(d->txtCopie, typed);
        QCOMPARE(d->txtCopie->text(), text);
        QCOMPARE(env.platform().messages.size(), messages);
        if (messages) {
            QCOMPARE(env.platform().lastMessage()->text,
                     QStringLiteral("Digitare solo caratteri numerici."));
            QCOMPARE(env.platform().lastMessage()->title,
                     QStringLiteral("Attenzione: valore non valido"));
            QCOMPARE(env.platform().lastMessage()->icon, MsgIcon::Exclamation);
        }
        QTest::keyClick(d->txtCopie, Qt::Key_Backspace);
        QCOMPARE(env.platform().messages.size(), messages);
    }

    // In both digit boxes, the page count and the VAT number, the editing keys work
    // silently on "12"; only pasting is refused with the message.
    void editingKeysInTheDigitBoxes_data() {
        QTest::addColumn<QStringList>("keys");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("messages");
        QTest::newRow("Ctrl+A, then a digit") << QStringList{"^A", "2"} << "2" << 0;
        QTest::newRow("Ctrl+C, Ctrl+X, Ctrl+Z") << QStringList{"^A", "^C", "^X", "^Z"} << "12" << 0;
        QTest::newRow("Ctrl+X empties") << QStringList{"^A", "^X"} << "" << 0;
        QTest::newRow("Ctrl+Y") << QStringList{"^Y", "3"} << "123" << 0;
        QTest::newRow("Home, End, arrows")
            << QStringList{"Home", "3", "End", "Left", "Bksp"} << "32" << 0;
        QTest::newRow("Ctrl+V refused") << QStringList{"^V"} << "12" << 1;
        QTest::newRow("Shift+Insert refused") << QStringList{"+Ins"} << "12" << 1;
        QTest::newRow("Ctrl+B refused") << QStringList{"^B", "3"} << "123" << 1;
    }
    void editingKeysInTheDigitBoxes() {
        QFETCH(QStringList, keys);
        QFETCH(QString, text);
        QFETCH(int, messages);
        TestEnvironment env;
        QApplication::clipboard()->setText(QStringLiteral("9"));
        auto pages = dialog();
        frmCalcIva vat;
        for (QLineEdit *box : {pages->txtCopie, vat.txtIva}) {
            env.platform().clear();
            box->setText(QStringLiteral("12"));
            press(box, keys);
            QCOMPARE(box->text(), text);
            QCOMPARE(env.platform().messages.size(), messages);
            for (const auto &m : env.platform().messages)
                QCOMPARE(m.text, QStringLiteral("Digitare solo caratteri numerici."));
        }
    }

    void pagesBoxMovesTheSpinner_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("spinner");
        QTest::addColumn<QString>("shown");
        QTest::newRow("12") << "12" << 12 << "12";
        QTest::newRow("05 is rewritten") << "05" << 5 << "5";
        QTest::newRow("0 leaves the spinner") << "0" << 7 << "0";
        QTest::newRow("empty leaves the spinner") << "" << 7 << "";
        QTest::newRow("999") << "999" << 999 << "999";
    }
    void pagesBoxMovesTheSpinner() {
        QFETCH(QString, text);
        QFETCH(int, spinner);
        QFETCH(QString, shown);
        TestEnvironment env;
        auto d = dialog();
        d->txtCopie->setText(QStringLiteral("7"));
        d->txtCopie->setText(text);
        QCOMPARE(d->spinnerValue(), spinner);
        QCOMPARE(d->txtCopie->text(), shown);
    }

    void spinnerRangeAndDirection() {
        TestEnvironment env;
        auto d = dialog();
        d->show();
        // The upper arrow of the real scroll bar increases the number.
        QTest::mouseClick(d->vsCopie, Qt::LeftButton, Qt::NoModifier,
                          QPoint(d->vsCopie->width() / 2, 3));
        QCOMPARE(d->spinnerValue(), 2);
        QCOMPARE(d->txtCopie->text(), QStringLiteral("2"));
        QTest::mouseClick(d->vsCopie, Qt::LeftButton, Qt::NoModifier,
                          QPoint(d->vsCopie->width() / 2, d->vsCopie->height() - 3));
        QCOMPARE(d->spinnerValue(), 1);
        d->stepSpinner(-1);
        QCOMPARE(d->spinnerValue(), 1);  // the lower arrow at 1 stays at 1
        d->txtCopie->setText(QStringLiteral("999"));
        d->stepSpinner(+1);
        QCOMPARE(d->spinnerValue(), 999);
        QCOMPARE(d->txtCopie->text(), QStringLiteral("999"));
        d->stepSpinner(-1);
        QCOMPARE(d->txtCopie->text(), QStringLiteral("998"));
    }

    void focusColours() {
        TestEnvironment env;
        auto d = dialog();
        d->show();
        QApplication::setActiveWindow(d.get());
        QVERIFY(QTest::qWaitForWindowActive(d.get()));
        d->txtCopie->setFocus();
        QCOMPARE(d->txtCopie->palette().color(QPalette::Base), QColor(255, 255, 128));
        d->cboPrinters->setFocus();
        QCOMPARE(d->txtCopie->palette().color(QPalette::Base), QColor(Qt::white));
        QCOMPARE(d->cboPrinters->palette().color(QPalette::Base), QColor(255, 255, 128));
    }

    void pagesGiveDocuments_data() {
        QTest::addColumn<QString>("pages");
        QTest::addColumn<int>("documents");
        QTest::newRow("empty") << "" << 0;
        QTest::newRow("0") << "0" << 0;
        QTest::newRow("12") << "12" << 12;
    }
    void pagesGiveDocuments() {
        QFETCH(QString, pages);
        QFETCH(int, documents);
        TestEnvironment env;
        auto d = dialog();
        d->txtCopie->setText(pages);
        d->cmdStampa->click();
        QCOMPARE(d->result(), int(QDialog::Accepted));
        QCOMPARE(rec->documents.size(), documents);
        if (documents) QCOMPARE(rec->texts().size(), 12 * 21 * 8);
        QVERIFY(env.platform().messages.isEmpty());
        QCOMPARE(env.platform().busyDepth, 0);
    }

    void unknownTagDoesNothing() {
        TestEnvironment env;
        auto d = dialog(QStringLiteral("Card01"));
        d->cmdStampa->click();
        QVERIFY(rec->documents.isEmpty());
        QCOMPARE(d->result(), int(QDialog::Rejected));
    }

    void cancelPrintsNothing() {
        TestEnvironment env;
        auto d = dialog();
        d->cmdAnnulla->click();
        QVERIFY(rec->documents.isEmpty());
        QCOMPARE(d->result(), int(QDialog::Rejected));
    }

    void printerThatDisappeared() {
        TestEnvironment env;
        auto d = dialog();
        d->cboPrinters->setCurrentText(QStringLiteral("Magazzino"));
        PrinterList::setFixed({QStringLiteral("Ufficio")}, QStringLiteral("Ufficio"));
        d->cmdStampa->click();
        // No such queue any more: the user is told, and no other printer takes the sheets.
        QCOMPARE(env.platform().messages.size(), 1);
        QCOMPARE(env.platform().lastMessage()->title,
                 QStringLiteral("Impossibile eseguire la stampa"));
        QVERIFY(env.platform().lastMessage()->text.contains(QStringLiteral("Magazzino")));
        QCOMPARE(PrinterPage::printer().currentPrinter(), QStringLiteral("Ufficio"));
        QVERIFY(rec->documents.isEmpty());
        QVERIFY(madeFor.isEmpty());
    }

    void printerThatFails() {
        TestEnvironment env;
        rec->setFailing(true);
        auto d = dialog(QStringLiteral("card03"));
        d->txtCopie->setText(QStringLiteral("3"));
        d->cmdStampa->click();
        QCOMPARE(env.platform().messages.size(), 1);
        QCOMPARE(env.platform().lastMessage()->title,
                 QStringLiteral("Impossibile eseguire la stampa"));
        QCOMPARE(env.platform().lastMessage()->icon, MsgIcon::Critical);
        QCOMPARE(d->result(), int(QDialog::Accepted));
        QCOMPARE(env.platform().busyDepth, 0);
    }

    void savingAsPdf() {
        TestEnvironment env;
        auto d = dialog(QStringLiteral("card01"));
        d->cboPrinters->setCurrentText(PrintDialog::pdfEntry());
        d->txtCopie->setText(QStringLiteral("3"));
        // No file name: nothing printed, the dialog stays.
        d->cmdStampa->click();
        QCOMPARE(d->result(), int(QDialog::Rejected));
        QCOMPARE(env.platform().dialogs.size(), 1);
        QCOMPARE(env.platform().dialogs.first().kind, QStringLiteral("save"));
        const QString pdf = env.file(QStringLiteral("biglietti.pdf"));
        env.platform().queueSaveFile(pdf);
        d->cmdStampa->click();
        QCOMPARE(d->result(), int(QDialog::Accepted));
        QCOMPARE(PdfReadBack::pageCount(pdf), 3);
        QVERIFY(rec->documents.isEmpty());
        // The PDF entry is offered first next time; the queue is still the current printer.
        auto again = dialog();
        QCOMPARE(again->cboPrinters->currentText(), PrintDialog::pdfEntry());
        QCOMPARE(PrinterPage::printer().currentPrinter(), QStringLiteral("Ufficio"));
        PrinterPage::printer().print(QStringLiteral("dopo"));
        PrinterPage::printer().endDoc();
        QCOMPARE(rec->documents.size(), 1);
    }

    void pdfThatCannotBeWritten() {
        TestEnvironment env;
        auto d = dialog(QStringLiteral("card04"));
        d->cboPrinters->setCurrentText(PrintDialog::pdfEntry());
        env.platform().queueSaveFile(QStringLiteral("/nonexistent-folder/x/b.pdf"));
        d->cmdStampa->click();
        QCOMPARE(env.platform().messages.size(), 1);
        QCOMPARE(env.platform().lastMessage()->title,
                 QStringLiteral("Impossibile eseguire la stampa"));
    }
};

QTEST_MAIN(TestFrmMyPrinterListening)
#include "tst_frmMyPrinterListening.moc"
