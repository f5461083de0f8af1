// The card print dialog: printer list, pages box and spinner, the job on the recording
// device, the PDF entry, and the printers that are not there.
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QTest>
#include <memory>

#include "cards/CardTexts.h"
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

    // No print queue: the card dialog and the envelope's open on the PDF entry with a
    // plain line, and no failure before the user has done anything.
    void noPrinterAtAll_data() {
        QTest::addColumn<bool>("cards");
        QTest::addColumn<QStringList>("queues");
        QTest::newRow("card dialog, no printer") << true << QStringList();
        QTest::newRow("envelope dialog, no printer") << false << QStringList();
        QTest::newRow("card dialog, one printer") << true << QStringList{"Ufficio"};
        QTest::newRow("envelope dialog, one printer") << false << QStringList{"Ufficio"};
    }
    void noPrinterAtAll() {
        QFETCH(bool, cards);
        QFETCH(QStringList, queues);
        TestEnvironment env;
        PrinterList::setFixed(queues, queues.value(0));
        PrinterPage::printer().reset();
        if (!queues.isEmpty()) PrinterPage::printer().selectPrinter(queues.first());
        Printout envelope;
        envelope.caption = QStringLiteral("Stampa busta");
        envelope.pdfFileName = QStringLiteral("Busta.pdf");
        std::unique_ptr<PrintDialog> d;
        if (cards)
            d = dialog();
        else
            d = std::make_unique<PrintDialog>(envelope);
        QVERIFY(env.platform().messages.isEmpty());
        QCOMPARE(d->cboPrinters->count(), queues.size() + 1);
        QCOMPARE(d->cboPrinters->currentText(),
                 queues.isEmpty() ? PrintDialog::pdfEntry() : queues.first());
        QCOMPARE(d->lblNoPrinter->isVisibleTo(d.get()), queues.isEmpty());
        QCOMPARE(d->lblNoPrinter->text(),
                 QStringLiteral("Nessuna stampante installata: la stampa va su file PDF."));
    }

    // To assistive technology the pages box is a spin box: its value is the number shown,
    // its actions raise and lower it as the arrows do, and so do the Up and Down keys.
    void pagesBoxIsASpinBox_data() {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("pages");
        QTest::newRow("value as shown") << "12"
                                        << "" << 12;
        QTest::newRow("increase") << "1"
                                  << "increase" << 2;
        QTest::newRow("decrease at 1") << "1"
                                       << "decrease" << 1;
        QTest::newRow("set") << "3"
                             << "set 40" << 40;
        QTest::newRow("Up key") << "5"
                                << "up" << 6;
        QTest::newRow("Down key") << "5"
                                  << "down" << 4;
    }
    void pagesBoxIsASpinBox() {
        QFETCH(QString, start);
        QFETCH(QString, how);
        QFETCH(int, pages);
        TestEnvironment env;
        auto d = dialog();
        d->txtCopie->setText(start);
        QAccessibleInterface *face = QAccessible::queryAccessibleInterface(d->txtCopie);
        QCOMPARE(face->role(), QAccessible::SpinBox);
        QVERIFY(face->valueInterface() && face->actionInterface());
        if (how == QLatin1String("increase"))
            face->actionInterface()->doAction(QAccessibleActionInterface::increaseAction());
        if (how == QLatin1String("decrease"))
            face->actionInterface()->doAction(QAccessibleActionInterface::decreaseAction());
        if (how.startsWith(QLatin1String("set ")))
            face->valueInterface()->setCurrentValue(how.mid(4).toInt());
        if (how == QLatin1String("up")) QTest::keyClick(d->txtCopie, Qt::Key_Up);
        if (how == QLatin1String("down")) QTest::keyClick(d->txtCopie, Qt::Key_Down);
        QCOMPARE(face->valueInterface()->currentValue().toInt(), pages);
        QCOMPARE(d->txtCopie->text(), QString::number(pages));
        QCOMPARE(d->spinnerValue(), pages);
        QVERIFY(env.platform().messages.isEmpty());
        // "?" tells what the dialog is for.
        d->cmdInfo->click();
        QCOMPARE(env.platform().messages.size(), 1);
        QCOMPARE(env.platform().messages.first().title,
                 QStringLiteral("Informazioni sulla stampa"));
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

    // "Carta": the plain sheet and the stocks the format fits. The choice is kept per
    // format, sets the cards of a sheet, and the job prints the stock's cards (no cut guide).
    void cartaPerFormat_data() {
        QTest::addColumn<int>("format");
        QTest::addColumn<int>("sheets");  // entries of "Carta"
        QTest::addColumn<int>("chosen");  // the entry chosen
        QTest::addColumn<int>("cards");   // cards on a sheet
        QTest::addColumn<int>("lines");   // lines drawn on a sheet
        QTest::newRow("small: A4 only") << 0 << 1 << 0 << 21 << 4 + 2 + 6 + 42;
        QTest::newRow("medium on 85 × 55 mm") << 2 << 5 << 1 << 10 << 20;
        QTest::newRow("large on 85 × 54 mm, 8 a sheet") << 3 << 4 << 3 << 8 << 16;
    }
    void cartaPerFormat() {
        QFETCH(int, format);
        QFETCH(int, sheets);
        QFETCH(int, chosen);
        QFETCH(int, cards);
        QFETCH(int, lines);
        TestEnvironment env;
        const CardFormat f = CardFormat(format);
        auto d = std::make_unique<frmMyPrinterListening>(composer.get());
        d->setFormat(f);
        QCOMPARE(d->cboCarta->count(), sheets);
        QCOMPARE(d->cboCarta->currentText(), QStringLiteral("Foglio A4 da ritagliare"));
        QCOMPARE(d->cboCarta->isEnabled(), sheets > 1);
        d->cboCarta->setCurrentIndex(chosen);
        QCOMPARE(d->spnInizio->maximum(), cards);
        QCOMPARE(d->lblInfo->text(), CardFormats::printDialogInfo(f, cards));
        // A new dialog for the format opens on the kept sheet; the other formats do not.
        auto again = std::make_unique<frmMyPrinterListening>(composer.get());
        again->setFormat(f);
        QCOMPARE(again->cboCarta->currentIndex(), chosen);
        again->setFormat(f == CardFormat::Medium ? CardFormat::Large : CardFormat::Medium);
        QCOMPARE(again->cboCarta->currentIndex(), 0);
        d->cmdStampa->click();
        QCOMPARE(rec->documents.size(), 1);
        QCOMPARE(rec->texts().size(), cards * CardTexts::boxesOf(f).size());
        QCOMPARE(rec->lines().size(), lines);
        QVERIFY(env.platform().messages.isEmpty());
    }

    // With "Codice QR" the dialog says what the code leaves out on the chosen sheet.
    void qrNoteFollowsTheSheet() {
        TestEnvironment env;
        const CardFormat f = CardFormat::Medium;
        composer->box(f, ContactRecord::Titolo)->setText(QStringLiteral("Studio Legale Rossi"));
        composer->box(f, ContactRecord::Tel)->setText(QStringLiteral("Tel. 02 12345678"));
        composer->box(f, ContactRecord::Cel)->setText(QStringLiteral("Cel. 333 1234567"));
        composer->box(f, ContactRecord::Email)
            ->setText(QStringLiteral("mario.rossi@studiolegale.it"));
        composer->box(f, ContactRecord::Indirizzo)->setText(QStringLiteral("Via Garibaldi 12"));
        composer->chkQr[2]->setChecked(true);
        auto d = std::make_unique<frmMyPrinterListening>(composer.get());
        d->setFormat(f);
        // On A4 the medium logo box (23.5 mm) is too small even without the address.
        QVERIFY(d->lblInfo->text().contains(QStringLiteral("nel riquadro viene stampato il logo")));
        d->cboCarta->setCurrentIndex(1);  // 85 × 55 mm: the box grows to 26 mm
        QVERIFY(d->lblInfo->text().endsWith(QString::fromUtf8(
            "Il codice QR non contiene l'indirizzo: con l'indirizzo i suoi punti sarebbero più "
            "piccoli di 0,5 mm.")));
        composer->chkQr[2]->setChecked(false);
        d->setFormat(f);
        QCOMPARE(d->lblInfo->text(), CardFormats::printDialogInfo(f, 10));
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
