// The card composer offscreen: format selection and focus, clearing, browsing, logos,
// printing through the print dialog onto the recording device.
#include <QApplication>
#include <QDir>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <memory>

#include "app/frmMenu.h"
#include "archive/ArchiveStore.h"
#include "archive/SettingsFile.h"
#include "cards/CardPicture.h"
#include "cards/frmBiglietti.h"
#include "cards/frmMyPrinterListening.h"
#include "platform/VbColor.h"
#include "printing/PrinterList.h"
#include "printing/PrinterPage.h"
#include "printing/RecordingPageDevice.h"
#include "printing/widgets/PrintDialog.h"
#include "program/WindowRegistry.h"
#include "support/TestEnvironment.h"
#include "ui/Hub.h"

using F = ContactRecord::Field;

namespace {

QString u8(const char *s) {
    return QString::fromUtf8(s);
}

QColor back(const QWidget *w) {
    return w->palette().color(QPalette::Base);
}

QString writePicture(const QString &path, const QColor &colour) {
    QImage img(30, 30, QImage::Format_RGB32);
    img.fill(colour);
    img.save(path);
    return path;
}

ContactRecord contact(const QString &name) {
    ContactRecord r;
    r.setValue(F::Titolo, name);
    r.setValue(F::Sottotitolo, QStringLiteral("Geometra"));
    r.setValue(F::Indirizzo, QStringLiteral("Via Roma 1"));
    r.setValue(F::Citta, QStringLiteral("Torino"));
    r.setValue(F::Iva, QStringLiteral("01234567890"));
    r.setValue(F::Tel, QStringLiteral("011 123456"));
    r.setValue(F::Cel, QStringLiteral("333 1234567"));
    r.setValue(F::Email, QStringLiteral("info@esempio.it"));
    r.setValue(F::Web, QStringLiteral("www.esempio.it"));
    r.setValue(F::Informazioni, QStringLiteral("Su appuntamento"));
    return r;
}

void click(QWidget *w) {
    QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, QPoint(3, 3));
}

}  // namespace

class TestFrmBiglietti : public QObject {
    Q_OBJECT
    std::unique_ptr<frmBiglietti> w;
    std::shared_ptr<RecordingPageDevice> rec;

    void open() {
        w = std::make_unique<frmBiglietti>();
        w->show();
        QApplication::setActiveWindow(w.get());
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
    }

private slots:
    void init() {
        Hub::instance().reset();
        PrintDialog::forgetLastEntry();
        PrinterList::setFixed({QStringLiteral("Ufficio"), QStringLiteral("Magazzino")},
                              QStringLiteral("Ufficio"));
        PrinterPage::printer().reset();
        rec = std::make_shared<RecordingPageDevice>();
        PrinterPage::printer().setQueueDeviceFactory([this](const QString &) { return rec; });
    }
    void cleanup() {
        w.reset();
        PrinterList::useSystem();
        PrinterPage::printer().reset();
    }

    void designState() {
        TestEnvironment env;
        open();
        QCOMPARE(w->windowTitle(), QStringLiteral(" Compilazione e stampa biglietti da visita"));
        QVERIFY(!w->cmdStampa01->isEnabled());
        QVERIFY(!w->selectedFormat());
        QVERIFY(w->lblPosizione->text().isEmpty());
        QCOMPARE(w->txtTitolo[3]->text(), QStringLiteral("Persona o azienda"));
        QCOMPARE(w->txtInformazioni[3]->text(), QStringLiteral("Informazioni aggiuntive"));
        QCOMPARE(w->txtCitta[1]->text(), u8("Città"));
        QVERIFY(!w->txtFax[0] && !w->txtFax[1] && w->txtFax[2] && w->txtFax[3]);
        QVERIFY(!w->picLogo[1] && w->picLogo[0] && w->picLogo[2] && w->picLogo[3]);
        QVERIFY(!w->txtInformazioni[2]);
        for (int i : {0, 2, 3}) QVERIFY(!CardPicture::isBlank(w->logoPicture(i)));
        QCOMPARE(w->txtCel[0]->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
        QCOMPARE(w->txtEmail[0]->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
        QCOMPARE(w->txtEmail[3]->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
        QCOMPARE(w->txtTitolo[3]->font().pointSizeF(), 12.0);
        QCOMPARE(w->txtFax[2]->font().family(), QStringLiteral("Tahoma"));
        QCOMPARE(back(w->txtTitolo[0]), QColor(0xE0, 0xE0, 0xE0));
        // Small previews: telephone 45 twips higher than on paper (3 pixels).
        QCOMPARE(w->txtTel[0]->geometry(), QRect(6, 99, 113, 16));
        QCOMPARE(w->picBiglietto[3]->size(), QSize(361, 241));
        // Search and help wait for their windows.
        QVERIFY(!w->cmdTrova->isEnabled());
        QVERIFY(!w->lblHelp->isEnabled());
        w->grab().save(QDir::temp().filePath(QStringLiteral("frmBiglietti.png")));
    }

    void textColoursFromTheSettings_data() {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("subtitle");
        QTest::addColumn<int>("titleColour");
        QTest::addColumn<int>("subtitleColour");
        QTest::newRow("red and blue") << "255"
                                      << " 16711680 " << 255 << 0xFF0000;
        QTest::newRow("empty is black") << ""
                                        << "255" << 0 << 255;
        QTest::newRow("not a number: both black") << "255"
                                                  << "rosso" << 0 << 0;
        QTest::newRow("out of range: both black") << "99999999999"
                                                  << "255" << 0 << 0;
    }
    void textColoursFromTheSettings() {
        QFETCH(QString, title);
        QFETCH(QString, subtitle);
        QFETCH(int, titleColour);
        QFETCH(int, subtitleColour);
        TestEnvironment env;
        SettingsFile s;
        QVERIFY(
            s.write(QStringLiteral("Impostazioni Colore"), QStringLiteral("Colore Titolo"), title));
        QVERIFY(s.write(QStringLiteral("Impostazioni Colore"), QStringLiteral("Colore Sottotitolo"),
                        subtitle));
        open();
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(frmBiglietti::textColour(w->txtTitolo[i]), titleColour);
            QCOMPARE(frmBiglietti::textColour(w->txtSottotitolo[i]), subtitleColour);
            QCOMPARE(frmBiglietti::textColour(w->txtIndirizzo[i]), 0);
        }
    }

    void selectingAFormat() {
        TestEnvironment env;
        open();
        click(w->lblCard_Med);
        QCOMPARE(w->selectedFormat(), std::optional(CardFormat::Medium));
        QVERIFY(w->cmdStampa01->isEnabled());
        QCOMPARE(QApplication::focusWidget(), w->txtTitolo[2]);
        QCOMPARE(w->lblCard_Med->palette().color(QPalette::Window), QColor(192, 0, 0));
        QCOMPARE(w->lblCard_Gra->palette().color(QPalette::Window), QColor(128, 128, 128));
        QVERIFY(w->shpCard_Med->styleSheet().contains(QStringLiteral("#c00000")));
        QVERIFY(w->shpCard_Pic_Si->styleSheet().contains(QStringLiteral("#ffffff")));
        QCOMPARE(back(w->txtTitolo[2]), QColor(255, 255, 128));
        // Another box of the same format keeps the focus where the user put it.
        w->txtWeb[2]->setFocus();
        QCOMPARE(QApplication::focusWidget(), w->txtWeb[2]);
        QCOMPARE(back(w->txtWeb[2]), QColor(255, 255, 128));
        QCOMPARE(back(w->txtTitolo[2]), QColor(0xE0, 0xE0, 0xE0));
    }

    void enteringABoxOfAnotherFormatSelectsIt() {
        TestEnvironment env;
        open();
        click(w->lblCard_Pic_Si);
        QCOMPARE(QApplication::focusWidget(), w->txtTitolo[0]);
        w->txtCel[2]->setFocus(Qt::MouseFocusReason);
        QCOMPARE(w->selectedFormat(), std::optional(CardFormat::Medium));
        QCOMPARE(QApplication::focusWidget(), w->txtTitolo[2]);
        QCOMPARE(back(w->txtCel[2]), QColor(0xE0, 0xE0, 0xE0));
        QCOMPARE(back(w->txtTitolo[2]), QColor(255, 255, 128));
        QCOMPARE(back(w->txtTitolo[0]), QColor(0xE0, 0xE0, 0xE0));
        // The logo's click selects its format too.
        click(w->picLogo[3]);
        QCOMPARE(w->selectedFormat(), std::optional(CardFormat::Large));
    }

    void clearingAFormat() {
        TestEnvironment env;
        open();
        const QImage sample0 = w->logoPicture(0);
        click(w->picNuovo02);
        QCOMPARE(w->selectedFormat(), std::optional(CardFormat::SmallNoLogo));
        for (auto *b : {w->txtTitolo[1], w->txtSottotitolo[1], w->txtIndirizzo[1], w->txtCitta[1],
                        w->txtIva[1], w->txtTel[1], w->txtCel[1], w->txtEmail[1]})
            QVERIFY(b->text().isEmpty());
        QCOMPARE(w->txtTitolo[0]->text(), QStringLiteral("Persona o azienda"));
        QCOMPARE(w->logoPicture(0), sample0);  // logos untouched
        QCOMPARE(QApplication::focusWidget(), w->txtTitolo[1]);
        click(w->picNuovo04);
        QVERIFY(CardPicture::isBlank(w->logoPicture(3)));
        QVERIFY(w->txtInformazioni[3]->text().isEmpty() && w->txtWeb[3]->text().isEmpty() &&
                w->txtFax[3]->text().isEmpty());
        QVERIFY(!CardPicture::isBlank(w->logoPicture(2)));
    }

    void browsingAnEmptyArchive() {
        TestEnvironment env;
        open();
        w->txtTitolo[0]->setText(QStringLiteral("Scritto a mano"));
        w->cmdAvanti->click();
        QCOMPARE(env.platform().messages.size(), 1);
        QCOMPARE(env.platform().lastMessage()->title, QStringLiteral("Attenzione: database vuoto"));
        for (int i : {0, 2, 3}) QVERIFY(CardPicture::isBlank(w->logoPicture(i)));
        QCOMPARE(w->txtTitolo[0]->text(), QStringLiteral("Scritto a mano"));
        QCOMPARE(w->txtCitta[3]->text(), u8("Città"));
        QVERIFY(w->lblPosizione->text().isEmpty());
    }

    void browsingFillsEveryPreview() {
        TestEnvironment env;
        ArchiveStore store(env.folder());
        ContactRecord a = contact(QStringLiteral("Rossi"));
        a.setValue(F::Logo01, writePicture(env.file(QStringLiteral("piccolo.png")), Qt::red));
        a.setValue(F::Logo02, env.file(QStringLiteral("manca.png")));
        ContactRecord b = contact(QStringLiteral("Verdi"));
        b.setValue(F::Fax, QString());
        QVERIFY(store.appendRecord(a) && store.appendRecord(b));
        open();
        w->cmdAvanti->click();  // empty label: next shows record 1
        QCOMPARE(w->lblPosizione->text(), QStringLiteral(" 1"));
        QCOMPARE(w->txtTitolo[3]->text(), QStringLiteral("Rossi"));
        QCOMPARE(w->txtIva[0]->text(), QStringLiteral("P.IVA 01234567890"));
        QCOMPARE(w->txtTel[1]->text(), QStringLiteral("Tel. 011 123456"));
        QCOMPARE(w->txtCel[2]->text(), QStringLiteral("Cel. 333 1234567"));
        QCOMPARE(w->txtFax[2]->text(), QStringLiteral("Fax "));
        QCOMPARE(w->txtInformazioni[3]->text(), QStringLiteral("Su appuntamento"));
        QCOMPARE(w->txtWeb[2]->text(), QStringLiteral("www.esempio.it"));
        QCOMPARE(QColor(w->logoPicture(0).pixel(0, 0)), QColor(Qt::red));
        QVERIFY(CardPicture::isBlank(w->logoPicture(2)));  // missing file: blank
        QVERIFY(CardPicture::isBlank(w->logoPicture(3)));  // no path: blank after browsing
        w->cmdUltimo->click();
        QCOMPARE(w->lblPosizione->text(), QStringLiteral(" 2"));
        QCOMPARE(w->txtTitolo[0]->text(), QStringLiteral("Verdi"));
        QVERIFY(CardPicture::isBlank(w->logoPicture(0)));
        w->cmdAvanti->click();  // clamped
        QCOMPARE(w->lblPosizione->text(), QStringLiteral(" 2"));
        w->cmdPrimo->click();
        QCOMPARE(w->txtTitolo[1]->text(), QStringLiteral("Rossi"));
        w->cmdIndietro->click();
        QCOMPARE(w->lblPosizione->text(), QStringLiteral(" 1"));
        QCOMPARE(env.platform().busyDepth, 0);
        QVERIFY(env.platform().messages.isEmpty());
    }

    void choosingALogo() {
        TestEnvironment env;
        open();
        env.platform().queueOpenFile(writePicture(env.file(QStringLiteral("blu.png")), Qt::blue));
        QTest::mouseDClick(w->picLogo[2], Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
        QCOMPARE(env.platform().dialogs.size(), 1);
        const auto &d = env.platform().dialogs.first();
        QCOMPARE(d.title, QStringLiteral("Cartaflex - Selezionare un file immagine"));
        QCOMPARE(d.filters.size(), 7);
        QCOMPARE(d.filters.first().description, QStringLiteral("Jpg (*.jpg)"));
        QCOMPARE(d.selectedFilter, 0);
        QCOMPARE(QColor(w->logoPicture(2).pixel(0, 0)), QColor(Qt::blue));
        // A file that is not a picture leaves the blank logo, without a message.
        const QString fake = env.file(QStringLiteral("finto.jpg"));
        QVERIFY(TestEnvironment::writeBytes(fake, "non sono una figura"));
        env.platform().queueOpenFile(fake);
        QTest::mouseDClick(w->picLogo[2], Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
        QVERIFY(CardPicture::isBlank(w->logoPicture(2)));
        // Cancelled: nothing changes.
        const QImage before = w->logoPicture(0);
        QTest::mouseDClick(w->picLogo[0], Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
        QCOMPARE(w->logoPicture(0), before);
        QVERIFY(env.platform().messages.isEmpty());
    }

    void printPictureWithoutAFormat() {
        TestEnvironment env;
        open();
        click(w->imgStampa);
        QCOMPARE(env.platform().messages.size(), 1);
        const auto *m = env.platform().lastMessage();
        QCOMPARE(m->text, u8("Prima di eseguire la stampa, è necessario selezionare un formato di "
                             "biglietto da visita."));
        QCOMPARE(m->title, QStringLiteral("Attenzione: nessun formato selezionato"));
        QCOMPARE(m->icon, MsgIcon::Exclamation);
        QVERIFY(!QApplication::activeModalWidget());
    }

    void searchAndHelpThroughTheHub() {
        TestEnvironment env;
        QStringList calls;
        Hub::instance().registerAction(Hub::Action::Search,
                                       [&](QWidget *caller, const QString &arg) {
                                           QCOMPARE(caller, w.get());
                                           calls << QStringLiteral("search:") + arg;
                                       });
        Hub::instance().registerAction(Hub::Action::Help, [&](QWidget *, const QString &arg) {
            calls << QStringLiteral("help:") + arg;
        });
        open();
        QVERIFY(w->cmdTrova->isEnabled());
        QVERIFY(w->lblHelp->isEnabled());
        w->cmdTrova->click();
        click(w->imgTrova);
        click(w->lblHelp);
        QCOMPARE(calls, (QStringList{QStringLiteral("search:biglietti"),
                                     QStringLiteral("search:biglietti"),
                                     QStringLiteral("help:biglietti")}));
    }

    void programStartsOnTheComposer() {
        TestEnvironment env;
        registerWindows();
        QWidget *first = Hub::instance().start();
        QVERIFY(qobject_cast<frmBiglietti *>(first));
        QPointer<QWidget> composer = first;
        click(qobject_cast<frmBiglietti *>(first)->lblEsci);
        QTRY_VERIFY(!composer);  // released
        auto *menu = Hub::instance().currentAs<frmMenu>();
        QVERIFY(menu);
        QVERIFY(menu->cmdBiglietti->isEnabled());
        menu->cmdBiglietti->click();
        QVERIFY(Hub::instance().currentAs<frmBiglietti>());
        Hub::instance().reset();
    }

    void printingThroughTheDialog() {
        TestEnvironment env;
        SettingsFile().write(QStringLiteral("Impostazioni Colore"), QStringLiteral("Colore Titolo"),
                             QStringLiteral("255"));
        open();
        click(w->lblCard_Gra);
        w->txtTitolo[3]->setText(QStringLiteral("   Studio Bianchi  "));
        w->txtIndirizzo[3]->setText(QStringLiteral("Via Po 3"));
        QString info, tag, selected;
        QTimer::singleShot(0, this, [&] {
            auto *d = qobject_cast<frmMyPrinterListening *>(QApplication::activeModalWidget());
            QVERIFY(d);
            info = d->lblInfo->text();
            tag = d->lblMemory->text();
            selected = d->cboPrinters->currentText();
            d->cboPrinters->setCurrentText(QStringLiteral("Magazzino"));
            d->txtCopie->setText(QStringLiteral("2"));
            d->cmdStampa->click();
        });
        w->cmdStampa01->click();
        QCOMPARE(tag, QStringLiteral("card04"));
        QCOMPARE(info,
                 u8("Ciascuna pagina conterrà 8 biglietti da visita di formato grande.\r\n\r\n"
                    "Immettere il numero di pagine e premere il pulsante Stampa."));
        QCOMPARE(selected, QStringLiteral("Ufficio"));
        QCOMPARE(rec->documents.size(), 2);
        QCOMPARE(PrinterPage::printer().currentPrinter(), QStringLiteral("Magazzino"));
        int titles = 0;
        for (const PageOp &op : rec->texts()) {
            if (op.text == QStringLiteral("Studio Bianchi")) {
                ++titles;
                QCOMPARE(op.color, QColor(255, 0, 0));
            }
            if (op.text == QStringLiteral("Via Po 3")) QCOMPARE(op.color, QColor(Qt::black));
        }
        QCOMPARE(titles, 16);
        QVERIFY(env.platform().messages.isEmpty());

        // The printer chosen is preselected at the next opening.
        frmMyPrinterListening again(w.get());
        QCOMPARE(again.cboPrinters->currentText(), QStringLiteral("Magazzino"));
        QCOMPARE(again.txtCopie->text(), QStringLiteral("1"));
    }
};

QTEST_MAIN(TestFrmBiglietti)
#include "tst_frmBiglietti.moc"
