// The help window: opening a topic, printing it, the guide link; every help key of the
// program's windows opens its topic through the hub.
#include <QtTest>
#include <functional>
#include <memory>

#include "app/HelpTopics.h"
#include "app/frmHelpForm.h"
#include "app/frmMenu.h"
#include "archive/frmArchivio.h"
#include "backup/frmBakClienti.h"
#include "cards/frmBiglietti.h"
#include "envelopes/frmLettera.h"
#include "printing/PrinterList.h"
#include "printing/PrinterPage.h"
#include "printing/RecordingPageDevice.h"
#include "program/WindowRegistry.h"
#include "support/TestEnvironment.h"
#include "ui/Hub.h"
#include "vat/frmCalcIva.h"

namespace {

// Runs `check` on the modal window of type W as soon as it is shown, then closes it.
template <typename W>
void whenShown(std::function<void(W *)> check, int attempts = 200) {
    QTimer::singleShot(10, [check, attempts] {
        auto *w = qobject_cast<W *>(QApplication::activeModalWidget());
        if (!w) {
            if (attempts > 0) whenShown<W>(check, attempts - 1);
            return;
        }
        check(w);
        if (w->isVisible()) w->reject();
    });
}

void pressAndRelease(QWidget *w) {
    QTest::mousePress(w, Qt::LeftButton, Qt::NoModifier, QPoint(4, 4));
    QTest::mouseRelease(w, Qt::LeftButton, Qt::NoModifier, QPoint(4, 4));
}

}  // namespace

class TestFrmHelpForm : public QObject {
    Q_OBJECT

private:
    std::shared_ptr<RecordingPageDevice> m_device;

private slots:
    void initTestCase() {
        Hub::instance().reset();
        registerWindows();
    }
    void init() {
        PrinterPage::printer().reset();
        m_device = std::make_shared<RecordingPageDevice>();
        // The print dialog opens on the current printer: a queue drawing on the recorder.
        PrinterList::setFixed({QStringLiteral("Ufficio")}, QStringLiteral("Ufficio"));
        PrinterPage::printer().setQueueDeviceFactory([d = m_device](const QString &) { return d; });
        PrinterPage::printer().selectPrinter(QStringLiteral("Ufficio"));
    }
    void cleanup() { PrinterPage::printer().reset(); }

    void designState() {
        frmHelpForm w;
        QCOMPARE(w.windowTitle(), QStringLiteral(" Guida in linea"));
        QCOMPARE(w.lblTitolo->text(), QStringLiteral(" Argomento"));
        QCOMPARE(w.txtTesto->toPlainText(), QStringLiteral("Guida in linea\n"));
        QVERIFY(w.txtTesto->isReadOnly());
        QCOMPARE(w.txtTesto->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QCOMPARE(w.lblPDF->text().remove(u'&'), QStringLiteral("Visualizza guida in formato PDF"));
        QCOMPARE(w.lblPDF->palette().color(QPalette::WindowText), frmHelpForm::linkColor());
        QVERIFY(w.txtTesto->parentWidget() == w.picTesto);
    }

    void topicTextSeparatesParagraphsByAnEmptyLine() {
        frmHelpForm w;
        w.setTopic(QStringLiteral("Titolo"),
                   {QStringLiteral("Uno."), QStringLiteral("Due."), QStringLiteral("Tre.")});
        QCOMPARE(w.lblTitolo->text(), QStringLiteral("Titolo"));
        QCOMPARE(w.txtTesto->toPlainText(), QStringLiteral("Uno.\n\nDue.\n\nTre."));
        const WrappedTextBox box = w.textBox();
        QCOMPARE(box.text, QStringLiteral("Uno.\r\n\r\nDue.\r\n\r\nTre."));
        QCOMPARE(box.font.name, QStringLiteral("Verdana"));
        QCOMPARE(box.alignment, TextAlign::Left);
        w.txtTesto->selectAll();
        QCOMPARE(w.textBox().selectedText, box.text);
    }

    void printAnsweredNoPrintsNothing() {
        TestEnvironment env;
        frmHelpForm w;
        w.setTopic(QStringLiteral("Titolo"), {QStringLiteral("Testo.")});
        env.platform().queueAnswer(MsgAnswer::No);
        QTest::mouseClick(w.cmdStampa, Qt::LeftButton);
        QCOMPARE(env.platform().messages.size(), 1);
        const auto &m = env.platform().messages[0];
        QCOMPARE(m.text, QStringLiteral("Si desidera stampare il testo corrente?"));
        QCOMPARE(m.title, QStringLiteral("Stampa argomento della guida in linea"));
        QCOMPARE(m.icon, MsgIcon::Question);
        QCOMPARE(m.buttons, MsgButtons::YesNo);
        QCOMPARE(m_device->operations().size(), 0);
        QCOMPARE(m_device->documents.size(), 0);
    }

    void printAnsweredYesPrintsTheTopic() {
        TestEnvironment env;
        frmHelpForm w;
        const HelpTopic topic = *HelpTopics::find(QStringLiteral("backup"));
        w.setTopic(topic.title, topic.paragraphs);
        env.platform().queueAnswer(MsgAnswer::Yes);
        QTest::mouseClick(w.cmdStampa, Qt::LeftButton);
        QCOMPARE(m_device->documents.size(), 1);
        const QList<PageOp> texts = m_device->texts();
        QCOMPARE(texts[3].text, topic.title);
        QVERIFY(texts[3].font.bold);
        QCOMPARE(texts.last().text, QString());
        QCOMPARE(texts[texts.size() - 2].text, QString(59, u'_'));
        // The four paragraphs come out with an empty line between each two.
        int empty = 0;
        for (int i = 5; i < texts.size() - 3; ++i)
            if (texts[i].text.isEmpty()) ++empty;
        QCOMPARE(empty, 3);
        QCOMPARE(env.platform().messages.size(), 1);
    }

    void guideLinkWithoutTheGuide() {
        TestEnvironment env;
        frmHelpForm w;
        w.show();
        pressAndRelease(w.lblPDF);
        QCOMPARE(env.platform().messages.size(), 1);
        const auto &m = env.platform().messages[0];
        QCOMPARE(m.text, QStringLiteral("File della guida non trovato."));
        QCOMPARE(m.title, QStringLiteral("Attenzione: impossibile aprire il file"));
        QCOMPARE(m.icon, MsgIcon::Exclamation);
        QCOMPARE(m.buttons, MsgButtons::Ok);
        QVERIFY(env.platform().openedUrls.isEmpty());
        QCOMPARE(env.platform().busyDepth, 0);
        QVERIFY(w.isVisible());
        QCOMPARE(w.lblPDF->palette().color(QPalette::WindowText), frmHelpForm::linkColor());
    }

    void guideLinkOpensTheGuide_data() {
        QTest::addColumn<bool>("picture");
        QTest::newRow("label") << false;
        QTest::newRow("picture") << true;
    }
    void guideLinkOpensTheGuide() {
        QFETCH(bool, picture);
        TestEnvironment env;
        QVERIFY(TestEnvironment::writeBytes(env.file(QStringLiteral("Guida.pdf")), "%PDF-1.4\n"));
        frmHelpForm w;
        w.show();
        QWidget *link = picture ? static_cast<QWidget *>(w.imgPDF) : w.lblPDF;
        QTest::mousePress(link, Qt::LeftButton, Qt::NoModifier, QPoint(4, 4));
        QCOMPARE(w.lblPDF->palette().color(QPalette::WindowText), frmHelpForm::linkPressedColor());
        QCOMPARE(w.lblPDF->palette().color(QPalette::WindowText), QColor(192, 0, 0));
        QTest::mouseRelease(link, Qt::LeftButton, Qt::NoModifier, QPoint(4, 4));
        QCOMPARE(w.lblPDF->palette().color(QPalette::WindowText), QColor(0, 0, 128));
        QCOMPARE(env.platform().openedUrls, QStringList{env.file(QStringLiteral("Guida.pdf"))});
        QVERIFY(env.platform().messages.isEmpty());
        QCOMPARE(env.platform().busyShown, 1);
        QCOMPARE(env.platform().busyDepth, 0);
    }

    // A missing guide and a guide that no program opens are told apart.
    void guideThatNoProgramOpens_data() {
        QTest::addColumn<bool>("guide");
        QTest::addColumn<QString>("text");
        QTest::newRow("no PDF viewer")
            << true
            << QString::fromUtf8(
                   "Impossibile aprire la guida: su questo computer non è "
                   "disponibile nessun programma per leggere i file PDF.");
        QTest::newRow("no guide") << false << "File della guida non trovato.";
    }
    void guideThatNoProgramOpens() {
        QFETCH(bool, guide);
        QFETCH(QString, text);
        TestEnvironment env;
        if (guide)
            QVERIFY(
                TestEnvironment::writeBytes(env.file(QStringLiteral("Guida.pdf")), "%PDF-1.4\n"));
        env.platform().setOpenUrlResult(false);
        frmHelpForm w;
        w.show();
        pressAndRelease(w.imgPDF);
        QCOMPARE(env.platform().openedUrls.size(), guide ? 1 : 0);
        QCOMPARE(env.platform().messages.size(), 1);
        QCOMPARE(env.platform().messages[0].text, text);
        QCOMPARE(env.platform().messages[0].title,
                 QStringLiteral("Attenzione: impossibile aprire il file"));
        QVERIFY(w.isVisible());
    }

    void aFolderNamedLikeTheGuideIsNoGuide() {
        TestEnvironment env;
        QVERIFY(QDir(env.folder()).mkdir(QStringLiteral("Guida.pdf")));
        frmHelpForm w;
        pressAndRelease(w.lblPDF);
        QVERIFY(env.platform().openedUrls.isEmpty());
        QCOMPARE(env.platform().messages.size(), 1);
    }

    void closeButtonUnloads() {
        bool closed = false;
        whenShown<frmHelpForm>([&closed](frmHelpForm *w) {
            QTest::mouseClick(w->cmdChiudi, Qt::LeftButton);
            closed = !w->isVisible();
        });
        QVERIFY(frmHelpForm::openTopic(nullptr, QStringLiteral("menu")));
        QVERIFY(closed);
    }

    void unknownTopicOpensNothing() {
        QVERIFY(!frmHelpForm::openTopic(nullptr, QStringLiteral("nessuno")));
    }

    // The hub's "help" action, which every help button of the program runs with its key.
    void helpActionOpensTheTopic_data() {
        QTest::addColumn<QString>("key");
        for (const QString &k : HelpTopics::keys()) QTest::newRow(qPrintable(k)) << k;
    }
    void helpActionOpensTheTopic() {
        QFETCH(QString, key);
        const HelpTopic topic = *HelpTopics::find(key);
        QWidget caller;
        caller.show();
        QString title, text;
        QWidget *parent = nullptr;
        bool modal = false;
        whenShown<frmHelpForm>([&](frmHelpForm *w) {
            title = w->lblTitolo->text();
            text = w->textBox().text;
            parent = w->parentWidget();
            modal = w->isModal();
        });
        QVERIFY(Hub::instance().hasAction(Hub::Action::Help));
        QVERIFY(Hub::instance().runAction(Hub::Action::Help, &caller, key));
        QCOMPARE(title, topic.title);
        QCOMPARE(text, HelpTopics::text(topic.paragraphs));
        QCOMPARE(parent, &caller);
        QVERIFY(modal);
        QVERIFY(!QApplication::activeModalWidget());
    }

    // The help buttons of the other windows, each on its own topic.
    void helpButtonsOpenTheirTopics_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("title");
        QTest::newRow("frmArchivio") << "frmArchivio"
                                     << "Archiviazione dati personali";
        QTest::newRow("frmCalcIva") << "frmCalcIva"
                                    << "Controllo del numero di partita IVA";
        QTest::newRow("frmBiglietti") << "frmBiglietti"
                                      << "Gestione biglietti da visita";
        QTest::newRow("frmBakClienti") << "frmBakClienti"
                                       << "Copia di sicurezza dei dati";
        QTest::newRow("frmLettera") << "frmLettera"
                                    << "Compilazione e stampa indirizzi per buste";
    }
    void helpButtonsOpenTheirTopics() {
        QFETCH(QString, window);
        QFETCH(QString, title);
        TestEnvironment env;
        std::unique_ptr<QWidget> w;
        QWidget *button = nullptr;
        if (window == QLatin1String("frmArchivio")) {
            auto *a = new frmArchivio;
            button = a->cmdGuida;
            w.reset(a);
        } else if (window == QLatin1String("frmBiglietti")) {
            auto *b = new frmBiglietti;
            button = b->lblHelp;
            w.reset(b);
        } else if (window == QLatin1String("frmBakClienti")) {
            auto *b = new frmBakClienti;
            button = b->imgGuida;
            w.reset(b);
        } else if (window == QLatin1String("frmLettera")) {
            auto *l = new frmLettera;
            button = l->cmdImp;
            w.reset(l);
        } else {
            auto *v = new frmCalcIva;
            button = v->cmdGuida;
            w.reset(v);
        }
        w->show();
        QVERIFY(button->isEnabled());
        QString shown;
        QWidget *parent = nullptr;
        whenShown<frmHelpForm>([&](frmHelpForm *help) {
            shown = help->lblTitolo->text();
            parent = help->parentWidget();
        });
        pressAndRelease(button);
        QCOMPARE(shown, title);
        QCOMPARE(parent, w.get());
        w->hide();
    }

    void menuKeysOpenTheirWindows_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("window");
        QTest::newRow("imgGuida") << "imgGuida"
                                  << "frmHelpForm";
        QTest::newRow("imgReg") << "imgReg"
                                << "frmInfo";
        QTest::newRow("picRights") << "picRights"
                                   << "frmAbout";
    }
    void menuKeysOpenTheirWindows() {
        QFETCH(QString, key);
        QFETCH(QString, window);
        TestEnvironment env;
        frmMenu menu;
        menu.show();
        auto *label = menu.findChild<QWidget *>(key);
        QVERIFY(label);
        QVERIFY(label->isEnabled());
        QString shown, title;
        whenShown<QDialog>([&](QDialog *w) {
            shown = w->objectName();
            if (auto *help = qobject_cast<frmHelpForm *>(w)) title = help->lblTitolo->text();
        });
        pressAndRelease(label);
        QCOMPARE(shown, window);
        if (window == QLatin1String("frmHelpForm"))
            QCOMPARE(title, QStringLiteral("Uno sguardo a Cartaflex"));
        QVERIFY(menu.isVisible());
        menu.tmrMarquee->stop();
    }
};

QTEST_MAIN(TestFrmHelpForm)
#include "tst_frmHelpForm.moc"
