#include <QApplication>
#include <QImageReader>
#include <QtTest>
#include <memory>

#include "archive/ArchiveStore.h"
#include "archive/SettingsFile.h"
#include "envelopes/SenderLogo.h"
#include "envelopes/frmLettera.h"
#include "printing/PrinterList.h"
#include "printing/PrinterPage.h"
#include "printing/RecordingPageDevice.h"
#include "support/TestEnvironment.h"
#include "ui/Hub.h"

namespace {

QString ini(const QString &section, const QString &key) {
    return SettingsFile().read(section, key);
}

void addContact(const QString &name, const QString &town) {
    ContactRecord r;
    r.setValue(ContactRecord::Titolo, name);
    r.setValue(ContactRecord::Sottotitolo, name + QStringLiteral(" srl"));
    r.setValue(ContactRecord::Indirizzo, QStringLiteral("Via ") + name);
    r.setValue(ContactRecord::Citta, town);
    r.setValue(ContactRecord::Iva, QStringLiteral("12345678903"));
    QVERIFY(ArchiveStore().appendRecord(r) > 0);
}

void mouseUp(QWidget *w) {
    QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(4, 4));
}

}  // namespace

class TestFrmLettera : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void firstRunWithNothingSaved();
    void badColourStillLoadsTheRest();
    void savedLogoAndSenderComeBack();
    void clearingTheSenderAndClosing();
    void clearingTheRecipient();
    void closingWhenTheLogoCannotBeWritten();
    void browsing_data();
    void browsing();
    void browsingAnEmptyArchive();
    void printingAsksFirst_data();
    void printingAsksFirst();
    void logoChoice_data();
    void logoChoice();
    void focusColours();
    void actionButtons();
    void marginsLinkColours();
    void screenshot();

private:
    std::unique_ptr<TestEnvironment> m_env;
    std::shared_ptr<RecordingPageDevice> m_device;
};

void TestFrmLettera::init() {
    m_env = std::make_unique<TestEnvironment>();
    Hub::instance().reset();
    PrinterPage::printer().reset();
    m_device = std::make_shared<RecordingPageDevice>();
    // The print dialog opens on the current printer: a queue drawing on the recorder.
    PrinterList::setFixed({QStringLiteral("Ufficio")}, QStringLiteral("Ufficio"));
    PrinterPage::printer().setQueueDeviceFactory([d = m_device](const QString &) { return d; });
    PrinterPage::printer().selectPrinter(QStringLiteral("Ufficio"));
}

void TestFrmLettera::cleanup() {
    PrinterPage::printer().reset();
    Hub::instance().reset();
    m_env.reset();
}

void TestFrmLettera::firstRunWithNothingSaved() {
    {
        frmLettera w;
        QCOMPARE(w.windowTitle(), QStringLiteral(" Compilazione e stampa indirizzi per buste"));
        for (auto *box : {w.txtTitolo[0], w.txtSottotitolo[0], w.txtIndirizzo[0], w.txtCitta[0],
                          w.txtIva[0], w.txtTel[0], w.txtCel[0], w.txtEmail[0]})
            QCOMPARE(box->text(), QString());
        QCOMPARE(w.txtTitolo[3]->text(), QStringLiteral("Persona o azienda"));
        QCOMPARE(w.txtSottotitolo[3]->text(), QStringLiteral("Specialità"));
        QCOMPARE(w.txtCitta[3]->text(), QStringLiteral("Città"));
        QCOMPARE(frmLettera::pictureOf(w.picLogo[0]), SenderLogo::designPicture());
        for (auto *l : {w.lblValSin, w.lblValSup, w.lblValSinD, w.lblValSupD})
            QCOMPARE(l->text(), QStringLiteral("+0"));
        QCOMPARE(w.lblOrientamento->text(), QStringLiteral("Verticale"));
        QCOMPARE(w.lblPosizione->text(), QString());
        QCOMPARE(w.txtTitolo[0]->font().family(), QStringLiteral("Verdana"));
        QCOMPARE(w.txtTitolo[0]->font().pointSizeF(), 9.75);
        QVERIFY(w.txtTitolo[0]->font().bold());
        QCOMPARE(w.txtTitolo[3]->font().pointSizeF(), 12.0);
        QVERIFY(!w.txtIndirizzo[3]->font().bold());
        QCOMPARE(w.txtEmail[0]->maxLength(), 250);
        QVERIFY(w.txtTitolo[1] == nullptr && w.txtIva[3] == nullptr);
        w.close();
    }
    QVERIFY(TestEnvironment::readBytes(m_env->file(QStringLiteral("Logo.bmp"))).startsWith("BM"));
    QCOMPARE(SenderLogo::load(SenderLogo::programFilePath()).size(), QSize(79, 90));
    const QByteArray file =
        TestEnvironment::readBytes(m_env->file(QStringLiteral("Cartaflex.ini")));
    for (const char *key : {"Titolo=", "Sottotitolo=", "Indirizzo=", "Citta=", "Partita Iva=",
                            "Telefono=", "Cellulare=", "Email="})
        QVERIFY2(file.contains(key), key);
}

void TestFrmLettera::badColourStillLoadsTheRest() {
    TestEnvironment::writeBytes(
        m_env->file(QStringLiteral("Cartaflex.ini")),
        "[Impostazioni Colore]\r\nColore Titolo=abc\r\nColore Sottotitolo=255\r\n"
        "[Mittente]\r\nTitolo=Studio Rossi\r\nSottotitolo=Architetti\r\n"
        "Email=info@rossi.it\r\nMargine Sinistro=-0,5\r\nMargine Superiore=+0,3\r\n"
        "[Destinatario]\r\nMargine Sinistro=+1,0\r\nMargine Superiore=+1,2\r\n"
        "[Stampa Busta]\r\nOrientamento=Orizzontale\r\n");
    {
        frmLettera w;
        QCOMPARE(w.txtTitolo[0]->palette().color(QPalette::Text), QColor(Qt::black));
        // One colour that is not a colour makes both black, as in every window.
        QCOMPARE(w.txtSottotitolo[0]->palette().color(QPalette::Text), QColor(Qt::black));
        QCOMPARE(w.txtTitolo[0]->text(), QStringLiteral("Studio Rossi"));
        QCOMPARE(w.txtEmail[0]->text(), QStringLiteral("info@rossi.it"));
        QCOMPARE(w.txtTel[0]->text(), QString());
        QCOMPARE(w.lblValSin->text(), QStringLiteral("-0,5"));
        QCOMPARE(w.lblValSup->text(), QStringLiteral("+0,3"));
        QCOMPARE(w.lblValSinD->text(), QStringLiteral("+1,0"));
        QCOMPARE(w.lblValSupD->text(), QStringLiteral("+1,2"));
        QCOMPARE(w.lblOrientamento->text(), QStringLiteral("Orizzontale"));
        w.close();
    }
    // Closing keeps what the user had saved.
    QCOMPARE(ini(QStringLiteral("Mittente"), QStringLiteral("Titolo")),
             QStringLiteral("Studio Rossi"));
    QCOMPARE(ini(QStringLiteral("Mittente"), QStringLiteral("Sottotitolo")),
             QStringLiteral("Architetti"));
    QCOMPARE(ini(QStringLiteral("Mittente"), QStringLiteral("Margine Sinistro")),
             QStringLiteral("-0,5"));
    QCOMPARE(ini(QStringLiteral("Impostazioni Colore"), QStringLiteral("Colore Titolo")),
             QStringLiteral("abc"));
}

void TestFrmLettera::savedLogoAndSenderComeBack() {
    QImage logo(30, 20, QImage::Format_RGB32);
    logo.fill(QColor(0, 128, 255));
    {
        frmLettera w;
        frmLettera::setPicture(w.picLogo[0], logo);
        w.txtTitolo[0]->setText(QStringLiteral("  Studio Neri  "));
        w.txtCel[0]->setText(QStringLiteral("333 444"));
        w.txtTitolo[3]->setText(QStringLiteral("Non si salva"));
        w.close();
    }
    QCOMPARE(ini(QStringLiteral("Mittente"), QStringLiteral("Titolo")),
             QStringLiteral("Studio Neri"));
    frmLettera again;
    QCOMPARE(again.txtTitolo[0]->text(), QStringLiteral("Studio Neri"));
    QCOMPARE(again.txtCel[0]->text(), QStringLiteral("333 444"));
    QCOMPARE(again.txtTitolo[3]->text(), QStringLiteral("Persona o azienda"));
    const QImage back = frmLettera::pictureOf(again.picLogo[0]);
    QCOMPARE(back.size(), QSize(30, 20));
    QCOMPARE(back.pixelColor(3, 3), QColor(0, 128, 255));
}

void TestFrmLettera::clearingTheSenderAndClosing() {
    TestEnvironment::writeBytes(m_env->file(QStringLiteral("Cartaflex.ini")),
                                "[Mittente]\nTitolo=Studio Rossi\nTelefono=06 1\n");
    {
        frmLettera w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        mouseUp(w.picNuovo01);
        for (auto *box : {w.txtTitolo[0], w.txtSottotitolo[0], w.txtIndirizzo[0], w.txtCitta[0],
                          w.txtIva[0], w.txtTel[0], w.txtCel[0], w.txtEmail[0]})
            QCOMPARE(box->text(), QString());
        QCOMPARE(frmLettera::pictureOf(w.picLogo[0]), frmLettera::pictureOf(w.picNuovo));
        QCOMPARE(QApplication::focusWidget(), w.txtTitolo[0]);
        QCOMPARE(w.txtTitolo[3]->text(), QStringLiteral("Persona o azienda"));
        w.close();
    }
    QCOMPARE(ini(QStringLiteral("Mittente"), QStringLiteral("Titolo")), QString());
    QCOMPARE(ini(QStringLiteral("Mittente"), QStringLiteral("Telefono")), QString());
    const QImage saved = SenderLogo::load(SenderLogo::programFilePath());
    QVERIFY(!saved.isNull());
    QCOMPARE(saved.pixelColor(40, 45), QColor(Qt::white));
    QCOMPARE(saved.pixelColor(0, 0), QColor(Qt::white));
}

void TestFrmLettera::closingWhenTheLogoCannotBeWritten() {
    // Logo.bmp is a folder: it cannot be read as a picture nor replaced by one.
    QVERIFY(QDir(m_env->folder()).mkdir(QStringLiteral("Logo.bmp")));
    TestEnvironment::writeBytes(m_env->file(QStringLiteral("Cartaflex.ini")),
                                "[Mittente]\nTitolo=Studio Rossi\n");
    {
        frmLettera w;
        QCOMPARE(frmLettera::pictureOf(w.picLogo[0]), SenderLogo::designPicture());
        QCOMPARE(w.txtTitolo[0]->text(), QStringLiteral("Studio Rossi"));
        w.txtTitolo[0]->setText(QStringLiteral("Studio Bianchi"));
        QVERIFY(w.close());
    }
    QVERIFY(QFileInfo(m_env->file(QStringLiteral("Logo.bmp"))).isDir());
    QCOMPARE(ini(QStringLiteral("Mittente"), QStringLiteral("Titolo")),
             QStringLiteral("Studio Bianchi"));
    QVERIFY(m_env->platform().messages.isEmpty());
}

void TestFrmLettera::clearingTheRecipient() {
    frmLettera w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    const QImage logo = frmLettera::pictureOf(w.picLogo[0]);
    mouseUp(w.picNuovo02);
    for (auto *box : {w.txtTitolo[3], w.txtSottotitolo[3], w.txtIndirizzo[3], w.txtCitta[3]})
        QCOMPARE(box->text(), QString());
    QCOMPARE(QApplication::focusWidget(), w.txtTitolo[3]);
    QCOMPARE(frmLettera::pictureOf(w.picLogo[0]), logo);
}

void TestFrmLettera::browsing_data() {
    QTest::addColumn<QStringList>("buttons");
    QTest::addColumn<QString>("position");
    QTest::newRow("first Next shows record 1") << QStringList{"cmdAvanti"} << " 1";
    QTest::newRow("Previous from nothing shows 1") << QStringList{"cmdIndietro"} << " 1";
    QTest::newRow("Previous on 1 stays") << QStringList{"cmdPrimo", "cmdIndietro"} << " 1";
    QTest::newRow("Next on the last stays") << QStringList{"cmdUltimo", "cmdAvanti"} << " 3";
    QTest::newRow("Next, Next") << QStringList{"cmdAvanti", "cmdAvanti"} << " 2";
    QTest::newRow("Last, Previous") << QStringList{"cmdUltimo", "cmdIndietro"} << " 2";
}

void TestFrmLettera::browsing() {
    QFETCH(QStringList, buttons);
    QFETCH(QString, position);
    addContact(QStringLiteral("Alfa"), QStringLiteral("Roma"));
    addContact(QStringLiteral("Beta"), QStringLiteral("Milano"));
    addContact(QStringLiteral("Gamma"), QStringLiteral("Napoli"));
    frmLettera w;
    w.txtTitolo[0]->setText(QStringLiteral("Mittente fermo"));
    for (const QString &name : buttons) w.findChild<QPushButton *>(name)->click();
    QCOMPARE(w.lblPosizione->text(), position);
    const QString names[] = {QStringLiteral("Alfa"), QStringLiteral("Beta"),
                             QStringLiteral("Gamma")};
    const QString towns[] = {QStringLiteral("Roma"), QStringLiteral("Milano"),
                             QStringLiteral("Napoli")};
    const int n = position.trimmed().toInt();
    QCOMPARE(w.txtTitolo[3]->text(), names[n - 1]);
    QCOMPARE(w.txtSottotitolo[3]->text(), names[n - 1] + QStringLiteral(" srl"));
    QCOMPARE(w.txtIndirizzo[3]->text(), QStringLiteral("Via ") + names[n - 1]);
    QCOMPARE(w.txtCitta[3]->text(), towns[n - 1]);
    QCOMPARE(w.txtTitolo[0]->text(), QStringLiteral("Mittente fermo"));
    QCOMPARE(m_env->platform().busyDepth, 0);
    QVERIFY(m_env->platform().messages.isEmpty());
}

void TestFrmLettera::browsingAnEmptyArchive() {
    frmLettera w;
    w.lblPosizione->setText(QStringLiteral(" 4"));
    for (QPushButton *b : {w.cmdPrimo, w.cmdIndietro, w.cmdAvanti, w.cmdUltimo}) {
        m_env->platform().clear();
        b->click();
        const auto *m = m_env->platform().lastMessage();
        QVERIFY(m);
        QCOMPARE(m->text, QStringLiteral("L'archivio non contiene nessuna scheda."));
        QCOMPARE(m->title, QStringLiteral("Attenzione: database vuoto"));
        QCOMPARE(m->icon, MsgIcon::Exclamation);
        QCOMPARE(w.lblPosizione->text(), QString());
        QCOMPARE(w.txtTitolo[3]->text(), QStringLiteral("Persona o azienda"));
    }
}

void TestFrmLettera::printingAsksFirst_data() {
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("printed");
    QTest::newRow("yes") << int(MsgAnswer::Yes) << true;
    QTest::newRow("no") << int(MsgAnswer::No) << false;
}

void TestFrmLettera::printingAsksFirst() {
    QFETCH(int, answer);
    QFETCH(bool, printed);
    frmLettera w;
    w.txtTitolo[0]->setText(QStringLiteral("Studio Rossi"));
    w.txtTitolo[3]->setText(QStringLiteral("Ditta Verdi"));
    w.lblValSin->setText(QStringLiteral("-0,5"));
    w.lblValSupD->setText(QStringLiteral("+1,2"));
    w.lblOrientamento->setText(QStringLiteral("Orizzontale"));
    m_env->platform().queueAnswer(MsgAnswer(answer));
    w.cmdStampa->click();
    const auto *m = m_env->platform().lastMessage();
    QVERIFY(m);
    QCOMPARE(m->text, QStringLiteral("Si desidera stampare gli indirizzi correnti?"));
    QCOMPARE(m->title, QStringLiteral("Stampa indirizzi su busta"));
    QCOMPARE(m->icon, MsgIcon::Question);
    QCOMPARE(m->buttons, MsgButtons::YesNo);
    QCOMPARE(m_env->platform().messages.size(), 1);
    if (!printed) {
        QVERIFY(m_device->operations().isEmpty());
        QCOMPARE(PrinterPage::printer().orientation(), int(PrinterPage::Portrait));
        QCOMPARE(PrinterPage::printer().scaleMode(), int(PrinterPage::Twips));
        return;
    }
    QCOMPARE(m_device->documents.size(), 1);
    QCOMPARE(m_device->documents.first().orientation, int(PrinterPage::Landscape));
    const QList<PageOp> texts = m_device->texts();
    QCOMPARE(texts.at(1).text, QStringLiteral("Studio Rossi"));
    QVERIFY(qAbs(texts.at(1).x - 3.0) < 1e-6);
    QCOMPARE(texts.at(8).text, QStringLiteral("Ditta Verdi"));
    QVERIFY(qAbs(texts.at(8).y - 5.2) < 1e-6);
    QCOMPARE(m_device->pictures().first().image, frmLettera::pictureOf(w.picLogo[0]));
}

void TestFrmLettera::logoChoice_data() {
    QTest::addColumn<QByteArray>("bytes");  // empty: the dialog is cancelled
    QTest::addColumn<QString>("outcome");   // "loaded", "blank" or "unchanged"
    QTest::newRow("a picture") << QByteArray("png") << "loaded";
    QTest::newRow("not a picture") << QByteArray("this is text") << "blank";
    QTest::newRow("cancelled") << QByteArray() << "unchanged";
}

void TestFrmLettera::logoChoice() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, outcome);
    frmLettera w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    const QImage before = frmLettera::pictureOf(w.picLogo[0]);
    QImage red(12, 14, QImage::Format_RGB32);
    red.fill(Qt::red);
    const QString path = m_env->file(QStringLiteral("scelto.png"));
    if (bytes == "png")
        QVERIFY(red.save(path, "PNG"));
    else if (!bytes.isEmpty())
        TestEnvironment::writeBytes(path, bytes);
    m_env->platform().queueOpenFile(bytes.isEmpty() ? QString() : path);
    QTest::mouseDClick(w.picLogo[0], Qt::LeftButton, {}, QPoint(10, 10));
    QCOMPARE(m_env->platform().dialogs.size(), 1);
    const auto &d = m_env->platform().dialogs.first();
    QCOMPARE(d.kind, QStringLiteral("open"));
    QCOMPARE(d.title, QStringLiteral("Cartaflex - Selezionare un file immagine"));
    QCOMPARE(d.filters.size(), 7);
    QCOMPARE(d.filters.at(0).description, QStringLiteral("Jpg (*.jpg)"));
    QCOMPARE(d.filters.at(4).patterns, QStringLiteral("*.wmf"));
    QCOMPARE(d.filters.at(5).description, QStringLiteral("Immagini PNG (*.png)"));
    QCOMPARE(d.filters.at(6).description, QStringLiteral("Tutti i file (*.*)"));
    QCOMPARE(d.filters.at(6).patterns, QStringLiteral("*"));
    const QImage after = frmLettera::pictureOf(w.picLogo[0]);
    if (outcome == QLatin1String("loaded")) {
        QCOMPARE(after.size(), QSize(12, 14));
        QCOMPARE(after.pixelColor(2, 2), QColor(Qt::red));
    } else if (outcome == QLatin1String("blank")) {
        QCOMPARE(after, frmLettera::pictureOf(w.picNuovo));
    } else {
        QCOMPARE(after, before);
    }
    QVERIFY(m_env->platform().messages.isEmpty());
}

void TestFrmLettera::focusColours() {
    frmLettera w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QApplication::setActiveWindow(&w);
    for (QLineEdit *box : {w.txtIva[0], w.txtCitta[3], w.txtEmail[0]}) {
        QCOMPARE(box->palette().color(QPalette::Base), QColor(224, 224, 224));
        box->setFocus();
        QCOMPARE(box->palette().color(QPalette::Base), QColor(255, 255, 128));
        w.txtTitolo[0]->setFocus();
        QCOMPARE(box->palette().color(QPalette::Base), QColor(224, 224, 224));
    }
    QCOMPARE(w.txtTitolo[0]->palette().color(QPalette::Base), QColor(255, 255, 128));
}

void TestFrmLettera::actionButtons() {
    {
        frmLettera w;
        QVERIFY(!w.picTrova01->isEnabled());
        QVERIFY(!w.picTrova02->isEnabled());
        QVERIFY(!w.cmdImp->isEnabled());
    }
    QStringList calls;
    Hub::instance().registerAction(Hub::Action::Search, [&](QWidget *caller, const QString &arg) {
        QVERIFY(qobject_cast<frmLettera *>(caller));
        calls << QStringLiteral("search ") + arg;
    });
    Hub::instance().registerAction(Hub::Action::Help, [&](QWidget *, const QString &arg) {
        calls << QStringLiteral("help ") + arg;
    });
    frmLettera w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QVERIFY(w.picTrova01->isEnabled() && w.picTrova02->isEnabled() && w.cmdImp->isEnabled());
    mouseUp(w.picTrova01);
    mouseUp(w.picTrova02);
    w.cmdImp->click();
    QCOMPARE(calls, (QStringList{"search buste_mitt", "search buste_dest", "help buste"}));
}

void TestFrmLettera::marginsLinkColours() {
    frmLettera w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QCOMPARE(w.lblImposta->palette().color(QPalette::WindowText), QColor(0, 0, 128));
    QTest::mousePress(w.lblImposta, Qt::LeftButton, {}, QPoint(4, 4));
    QCOMPARE(w.lblImposta->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    // Releasing opens the margins window modally: close it from inside its event loop.
    bool opened = false;
    QTimer::singleShot(0, [&] {
        QWidget *modal = QApplication::activeModalWidget();
        opened = modal && modal->objectName() == QLatin1String("frmImposta");
        if (modal) modal->close();
    });
    QTest::mouseRelease(w.lblImposta, Qt::LeftButton, {}, QPoint(4, 4));
    QVERIFY(opened);
    QCOMPARE(w.lblImposta->palette().color(QPalette::WindowText), QColor(0, 0, 128));
}

void TestFrmLettera::screenshot() {
    TestEnvironment::writeBytes(
        m_env->file(QStringLiteral("Cartaflex.ini")),
        "[Impostazioni Colore]\nColore Titolo=8388608\nColore Sottotitolo=32768\n"
        "[Mittente]\nTitolo=Studio Rossi\nSottotitolo=Architetti associati\n"
        "Indirizzo=Via Roma 1\nCitta=00100 Roma (RM)\nPartita Iva=P.IVA 01234567890\n"
        "Telefono=Tel. 06 123456\nCellulare=Cel. 333 1234567\nEmail=info@studiorossi.it\n"
        "Margine Sinistro=-0,5\n");
    frmLettera w;
    w.resize(880, 640);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    const QString out = QStringLiteral(CARTAFLEX_BINARY_DIR) + QStringLiteral("/frmLettera.png");
    QVERIFY(w.grab().save(out));
    QVERIFY(QFile::exists(out));
}

QTEST_MAIN(TestFrmLettera)
#include "tst_frmLettera.moc"
