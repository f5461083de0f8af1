#include <QApplication>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <memory>

#include "archive/SearchCriterion.h"
#include "platform/VbColor.h"
#include "printing/PrinterList.h"
#include "printing/PrinterPage.h"
#include "printing/RecordingPageDevice.h"
#include "program/WindowRegistry.h"
#include "search/frmTrovaContatto.h"
#include "support/TestEnvironment.h"
#include "ui/Hub.h"

namespace {

ContactRecord contact(const QString &titolo, const QString &citta = QString(),
                      const QString &email = QString()) {
    ContactRecord r;
    r.setValue(ContactRecord::Titolo, titolo);
    r.setValue(ContactRecord::Citta, citta);
    r.setValue(ContactRecord::Email, email);
    return r;
}

void writeArchive(const TestEnvironment &env, const QList<ContactRecord> &records) {
    QByteArray bytes;
    for (const ContactRecord &r : records) bytes += r.encode();
    QVERIFY(TestEnvironment::writeBytes(env.file(QStringLiteral("Contatti.edb")), bytes));
}

void choose(frmTrovaContatto &w, const QString &criterion) {
    const int i = w.cboCriterio->findText(criterion);
    QVERIFY(i >= 0);
    w.cboCriterio->setCurrentIndex(i);
    emit w.cboCriterio->activated(i);
}

void search(frmTrovaContatto &w, const QString &criterion, const QString &key) {
    choose(w, criterion);
    w.txtChiave->setText(key);
    QTest::mouseClick(w.cmdCerca, Qt::LeftButton);
}

QStringList listed(const frmTrovaContatto &w) {
    QStringList out;
    for (int i = 0; i < w.lstRiepilogo->count(); ++i) out << w.lstRiepilogo->item(i)->text();
    return out;
}

}  // namespace

class TestFrmTrovaContatto : public QObject {
    Q_OBJECT
private slots:
    void initialState() {
        TestEnvironment env;
        frmTrovaContatto w;
        QCOMPARE(w.windowTitle(), QStringLiteral(" Trova persona o azienda in archivio"));
        QCOMPARE(w.lblInfo->text(),
                 QStringLiteral("Selezionare un criterio di ricerca, specificare una chiave "
                                "immettendo una parola o una frase e premere Cerca."));
        QCOMPARE(w.lblCriterio->text(), QStringLiteral("Crite&rio:"));
        QCOMPARE(w.lblChiave->text(), QStringLiteral("C&hiave:"));
        QCOMPARE(w.lblRisultati->text(), QStringLiteral("R&isultati ricerca:"));
        QCOMPARE(w.cmdCerca->text(), QStringLiteral("&Cerca"));
        QCOMPARE(w.cmdStampa->text(), QStringLiteral("&Stampa"));
        QCOMPARE(w.cmdAnnulla->text(), QStringLiteral("&Annulla"));
        QCOMPARE(w.lblImporto->text(), QStringLiteral("Trovati 0 contatti"));
        QCOMPARE(w.lblDoppioclic->text(),
                 QStringLiteral("Per importare i dati, fare doppio clic sulla voce desiderata"));
        QVERIFY(!w.cboCriterio->isEditable());
        QCOMPARE(w.cboCriterio->currentIndex(), -1);
        QStringList entries;
        for (int i = 0; i < w.cboCriterio->count(); ++i) entries << w.cboCriterio->itemText(i);
        QCOMPARE(entries, SearchCriterion::entryTexts());
        QCOMPARE(entries.at(1), QString::fromUtf8("Specialità"));
        QVERIFY(w.txtChiave->text().isEmpty());
        QCOMPARE(w.txtChiave->maxLength(), 32767);
        QVERIFY(!w.cmdCerca->isEnabled());
        QVERIFY(w.cmdStampa->isEnabled() && w.cmdAnnulla->isEnabled());
        QCOMPARE(w.lstRiepilogo->count(), 0);
        QCOMPARE(w.lstRiepilogo->font().family(), QStringLiteral("Courier New"));
        w.show();
        QVERIFY(w.lblImporto->isHidden() && w.lblDoppioclic->isHidden() && w.lblMemory->isHidden());
        QVERIFY(w.lblMemory->text().isEmpty());
        QVERIFY(!w.imgLente->pixmap().isNull());
        QVERIFY(w.isModal());
    }

    void firstChoiceEnablesSearchForGood() {
        TestEnvironment env;
        frmTrovaContatto w;
        choose(w, QStringLiteral("Fax"));
        QVERIFY(w.cmdCerca->isEnabled());
        w.cboCriterio->setCurrentIndex(-1);
        emit w.cboCriterio->activated(-1);
        QVERIFY(w.cmdCerca->isEnabled());
    }

    void searchListsAndCounts_data() {
        QTest::addColumn<QString>("criterion");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("ross mar") << "Persona o azienda"
                                  << "ross mar" << QStringList{"Rossi Mario", "Mario Rossi"};
        QTest::newRow("messy blanks")
            << "Persona o azienda"
            << "  rossi   mario " << QStringList{"Rossi Mario", "Mario Rossi"};
        QTest::newRow("ROSSI") << "Persona o azienda"
                               << "ROSSI" << QStringList{"Rossi Mario", "Rossini", "Mario Rossi"};
        QTest::newRow("empty key lists all")
            << "Persona o azienda"
            << "" << QStringList{"Rossi Mario", "Rossini", "Mario Rossi", "Bianchi"};
        QTest::newRow("CITTÀ") << QString::fromUtf8("Città") << QString::fromUtf8("CITTÀ")
                               << QStringList{"Bianchi"};
        QTest::newRow("no match") << "E-mail"
                                  << "zzz" << QStringList{};
    }
    void searchListsAndCounts() {
        QFETCH(QString, criterion);
        QFETCH(QString, key);
        QFETCH(QStringList, names);
        TestEnvironment env;
        writeArchive(env, {contact("Rossi Mario", "Roma", "rm@x.it"), contact("Rossini", "Pesaro"),
                           contact("Mario Rossi", "Milano"),
                           contact("Bianchi", QString::fromUtf8("Città di Castello"))});
        frmTrovaContatto w;
        w.show();
        search(w, criterion, key);
        QStringList got;
        for (const QString &line : listed(w)) got << line.left(30).trimmed();
        QCOMPARE(got, names);
        QVERIFY(w.lblImporto->isVisible());
        QCOMPARE(w.lblImporto->text(), QStringLiteral("Trovati %1 contatti").arg(names.size()));
        QVERIFY(env.platform().messages.isEmpty());
        QCOMPARE(env.platform().busyShown, 1);
        QCOMPARE(env.platform().busyDepth, 0);
        // Each search replaces the list.
        search(w, QStringLiteral("Persona o azienda"), QStringLiteral("bianchi"));
        QCOMPARE(w.lstRiepilogo->count(), 1);
        QCOMPARE(w.lblImporto->text(), QStringLiteral("Trovati 1 contatti"));
    }

    void missingArchiveListsNothingAndIsCreated() {
        TestEnvironment env;
        frmTrovaContatto w;
        search(w, QStringLiteral("Persona o azienda"), QString());
        QCOMPARE(w.lstRiepilogo->count(), 0);
        QCOMPARE(w.lblImporto->text(), QStringLiteral("Trovati 0 contatti"));
        QVERIFY(QFile::exists(env.file(QStringLiteral("Contatti.edb"))));
        QVERIFY(env.platform().messages.isEmpty());
    }

    void listExtentFitsTheLongestLine() {
        TestEnvironment env;
        const QString email =
            QStringLiteral("un.indirizzo.molto.lungo.davvero@dominio-esteso.example.it");
        writeArchive(env, {contact("Breve"), contact("Lungo", "Roma", email),
                           contact(QString::fromUtf8("Caffè € Œ"), QString::fromUtf8("Forlì"),
                                   QString::fromUtf8("\u0081\u0081\u0081\u0081\u0081@x.it"))});
        frmTrovaContatto w;
        w.show();
        search(w, QStringLiteral("Persona o azienda"), QString());
        const QFontMetrics fm(w.lstRiepilogo->font());
        const int longest = fm.horizontalAdvance(w.lstRiepilogo->item(1)->text());
        QVERIFY(w.listExtent() > longest);
        for (int i = 0; i < w.lstRiepilogo->count(); ++i)
            QVERIFY(w.listExtent() > fm.horizontalAdvance(w.lstRiepilogo->item(i)->text()));
        QVERIFY(w.listExtent() < longest + 60);
        // The scroll bar reaches the end of the longest line.
        QTRY_VERIFY(w.lstRiepilogo->horizontalScrollBar()->maximum() +
                        w.lstRiepilogo->viewport()->width() >=
                    longest);
    }

    void focusColours() {
        TestEnvironment env;
        frmTrovaContatto w;
        w.show();
        QApplication::setActiveWindow(&w);
        QVERIFY(QTest::qWaitForWindowActive(&w));
        const QColor pale = VbColor::toColor(0x00C0FFFF);
        QCOMPARE(pale, QColor(255, 255, 192));
        for (QWidget *c :
             {static_cast<QWidget *>(w.cboCriterio), static_cast<QWidget *>(w.txtChiave),
              static_cast<QWidget *>(w.lstRiepilogo)}) {
            c->setFocus();
            QTRY_VERIFY(c->hasFocus());
            QCOMPARE(c->palette().color(QPalette::Base), pale);
            // What is painted, in the empty field (the combo's list of criteria is closed
            // and none is chosen yet).
            const QPoint field(c->width() / 3, c->height() / 2);
            QCOMPARE(c->grab().toImage().pixelColor(field), pale);
            w.cmdAnnulla->setFocus();
            QTRY_VERIFY(!c->hasFocus());
            QCOMPARE(c->palette().color(QPalette::Base), QColor(Qt::white));
            QVERIFY(c->grab().toImage().pixelColor(field) != pale);
        }
    }

    void clickShowsTheHintAndNoSelectionDoesNothing() {
        TestEnvironment env;
        writeArchive(env, {contact("Rossi"), contact("Verdi")});
        frmTrovaContatto w;
        w.lblMemory->setText(QStringLiteral("archivio"));
        w.show();
        search(w, QStringLiteral("Persona o azienda"), QString());
        QVERIFY(w.lblDoppioclic->isHidden());
        // A double click on the empty part of the list with nothing selected.
        QTest::mouseDClick(w.lstRiepilogo->viewport(), Qt::LeftButton, {},
                           QPoint(10, w.lstRiepilogo->viewport()->height() - 5));
        QCoreApplication::processEvents();
        QVERIFY(w.isVisible());
        QCOMPARE(w.result(), 0);
        QVERIFY(w.lblDoppioclic->isHidden());
        QMetaObject::invokeMethod(&w, "lblDoppioclic_Click");
        QVERIFY(w.isVisible());

        const QRect second = w.lstRiepilogo->visualItemRect(w.lstRiepilogo->item(1));
        QTest::mouseClick(w.lstRiepilogo->viewport(), Qt::LeftButton, {}, second.center());
        QVERIFY(w.lblDoppioclic->isVisible());
    }

    void unknownTagLoadsNothingAndCloses_data() {
        QTest::addColumn<QString>("tag");
        QTest::newRow("empty") << "";
        QTest::newRow("other") << "rubrica";
        QTest::newRow("wrong case") << "Archivio";
    }
    void unknownTagLoadsNothingAndCloses() {
        QFETCH(QString, tag);
        TestEnvironment env;
        writeArchive(env, {contact("Rossi")});
        frmTrovaContatto w;
        w.lblMemory->setText(tag);
        w.show();
        search(w, QStringLiteral("Persona o azienda"), QString());
        w.lstRiepilogo->setCurrentRow(0);
        QTest::mouseClick(w.lblDoppioclic, Qt::LeftButton);
        QVERIFY(!w.isVisible());
        QCOMPARE(w.result(), int(QDialog::Accepted));
        QCOMPARE(env.platform().busyDepth, 0);
    }

    void annullaCloses() {
        TestEnvironment env;
        frmTrovaContatto w;
        w.show();
        QTest::mouseClick(w.cmdAnnulla, Qt::LeftButton);
        QVERIFY(!w.isVisible());
        QCOMPARE(w.result(), int(QDialog::Rejected));
    }

    void printButton() {
        TestEnvironment env;
        writeArchive(env, {contact("Rossi"), contact("Verdi"), contact("Neri")});
        PrinterPage::printer().reset();
        auto device = std::make_shared<RecordingPageDevice>();
        // The print dialog opens on the current printer: a queue drawing on the recorder.
        PrinterList::setFixed({QStringLiteral("Ufficio")}, QStringLiteral("Ufficio"));
        PrinterPage::printer().setQueueDeviceFactory([d = device](const QString &) { return d; });
        PrinterPage::printer().selectPrinter(QStringLiteral("Ufficio"));
        frmTrovaContatto w;
        w.show();
        QTest::mouseClick(w.cmdStampa, Qt::LeftButton);
        QCOMPARE(env.platform().messages.size(), 1);
        QCOMPARE(env.platform().messages.first().text,
                 QStringLiteral("La lista non contiene nessuna voce."));
        QVERIFY(device->operations().isEmpty());

        search(w, QStringLiteral("Persona o azienda"), QString());
        env.platform().queueAnswer(MsgAnswer::Ok);
        QTest::mouseClick(w.cmdStampa, Qt::LeftButton);
        QCOMPARE(device->documents.size(), 1);
        QStringList printed;
        for (const PageOp &op : device->texts()) printed << op.text;
        QCOMPARE(printed.mid(4, 3), listed(w));
        QCOMPARE(printed.at(9), QStringLiteral("Trovati 3 contatti"));
        QVERIFY(w.isVisible());
        PrinterPage::printer().reset();
    }

    void hubActionOpensTheSearchWithTheTag() {
        TestEnvironment env;
        Hub::instance().reset();
        registerWindows();
        QVERIFY(Hub::instance().hasAction(Hub::Action::Search));
        QWidget caller;
        caller.show();
        QString seenTag;
        QWidget *seenParent = nullptr;
        bool modal = false;
        QTimer::singleShot(0, [&] {
            auto *w = qobject_cast<frmTrovaContatto *>(QApplication::activeModalWidget());
            QVERIFY(w);
            seenTag = w->lblMemory->text();
            seenParent = w->parentWidget();
            modal = w->isModal() && w->isVisible();
            QTest::mouseClick(w->cmdAnnulla, Qt::LeftButton);
        });
        QVERIFY(
            Hub::instance().runAction(Hub::Action::Search, &caller, QStringLiteral("buste_dest")));
        QCOMPARE(seenTag, QStringLiteral("buste_dest"));
        QCOMPARE(seenParent, &caller);
        QVERIFY(modal);
        QVERIFY(caller.findChildren<frmTrovaContatto *>().isEmpty());
        Hub::instance().reset();
    }
};

QTEST_MAIN(TestFrmTrovaContatto)
#include "tst_frmTrovaContatto.moc"
