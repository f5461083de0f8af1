#include <QApplication>
#include <QClipboard>
#include <QColorDialog>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QMenu>
#include <QProcess>
#include <QTest>
#include <QTimer>
#include <memory>

#include "app/frmMenu.h"
#include "archive/ArchiveMessages.h"
#include "archive/ArchiveStore.h"
#include "archive/SettingsFile.h"
#include "archive/WebAddress.h"
#include "archive/frmArchivio.h"
#include "cards/frmBiglietti.h"
#include "envelopes/EnvelopeSettings.h"
#include "envelopes/SenderLogo.h"
#include "platform/VbColor.h"
#include "platform/widgets/DesktopPlatform.h"
#include "support/TestEnvironment.h"
#include "ui/Hub.h"
#include "vat/frmCalcIva.h"

namespace {

QString u8(const char *s) {
    return QString::fromUtf8(s);
}

ContactRecord contact(const QString &name, const QString &email = QString()) {
    ContactRecord r;
    r.setValue(ContactRecord::Titolo, name);
    r.setValue(ContactRecord::Email, email);
    return r;
}

void fill(TestEnvironment &env, const QStringList &names) {
    ArchiveStore store(env.folder());
    for (const QString &n : names) QVERIFY(store.appendRecord(contact(n)) > 0);
}

QStringList namesOnDisk(TestEnvironment &env) {
    QStringList out;
    for (const ContactRecord &r : ArchiveStore(env.folder()).readAll()) out << r.titolo();
    return out;
}

// Makes a file (or folder) read-only for the life of the object. Where the permission
// bits do not stop this user (root), the file is made immutable with chattr instead;
// effective() tells whether either worked.
class ReadOnly {
public:
    explicit ReadOnly(const QString &path) : m_path(path), m_old(QFile::permissions(path)) {
        QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadUser |
                                        (QFileInfo(path).isDir() ? QFileDevice::ExeOwner
                                                                 : QFileDevice::Permissions()));
        if (!effective())
            m_immutable =
                QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("+i"), path}) == 0;
    }
    ~ReadOnly() {
        if (m_immutable)
            QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("-i"), m_path});
        QFile::setPermissions(m_path, m_old);
    }
    bool effective() const {
        if (QFileInfo(m_path).isDir()) {
            QFile probe(m_path + QStringLiteral("/probe"));
            const bool writable = probe.open(QIODevice::WriteOnly);
            if (writable) probe.remove();
            return !writable;
        }
        QFile probe(m_path);
        return !probe.open(QIODevice::ReadWrite);
    }

private:
    QString m_path;
    QFileDevice::Permissions m_old;
    bool m_immutable = false;
};

bool writePicture(const QString &path, QColor colour) {
    QImage img(40, 30, QImage::Format_RGB32);
    img.fill(colour);
    return img.save(path);
}

}  // namespace

class TestFrmArchivio : public QObject {
    Q_OBJECT

    std::unique_ptr<TestEnvironment> env;
    std::unique_ptr<frmArchivio> w;

    ScriptedPlatform &platform() { return env->platform(); }

    void openWindow() {
        w = std::make_unique<frmArchivio>();
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
    }

private slots:
    void init() {
        Hub::instance().reset();
        env = std::make_unique<TestEnvironment>();
    }
    void cleanup() {
        w.reset();
        Hub::instance().reset();
        env.reset();
    }

    void opensBlankWithTheDesignedBoxes() {
        openWindow();
        QCOMPARE(w->windowTitle(), QStringLiteral(" Archivio dati personali"));
        QCOMPARE(w->lblPosizione->text(), QString());
        const int widths[] = {30, 30, 40, 40, 11, 20, 20, 20, 40, 60, 60};
        const char *captions[] = {"Persona o azienda",
                                  "Specialità",
                                  "Indirizzo",
                                  "Città",
                                  "Partita IVA",
                                  "Tel.",
                                  "Fax",
                                  "Cel.",
                                  "E-mail",
                                  "Informazioni aggiuntive",
                                  "Sito Web"};
        const auto boxes = w->entryBoxes();
        for (int i = 0; i < 11; ++i) {
            QCOMPARE(boxes[i]->maxLength(), widths[i]);
            QCOMPARE(boxes[i]->text(), QString());
            QCOMPARE(w->lblEtichetta[i]->text().remove(u'&'), u8(captions[i]));
            // Tab goes through the boxes in record order.
            QCOMPARE(boxes[i]->nextInFocusChain() == nullptr, false);
        }
        for (int i = 0; i + 1 < 11; ++i) {
            boxes[i]->setFocus();
            QTest::keyClick(boxes[i], Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), boxes[i + 1]);
        }
        for (QLineEdit *path : w->logoPathBoxes()) {
            QCOMPARE(path->maxLength(), 255);
            QVERIFY(path->isReadOnly());
            QVERIFY(!(path->focusPolicy() & Qt::TabFocus));
        }
        for (QLabel *logo : w->logoBoxes()) QVERIFY(frmArchivio::isBlankPicture(logo));
        QCOMPARE(w->cmdPrimo->toolTip(), QStringLiteral(" Prima scheda (Ctrl+Inizio) "));
        QCOMPARE(w->cmdUltimo->toolTip(), QStringLiteral(" Ultima scheda (Ctrl+Fine) "));
        QCOMPARE(w->imgVail->toolTip(), QStringLiteral(" Vai "));
        QCOMPARE(w->cmdCheckIvaVend->toolTip(), QStringLiteral(" Controlla "));
        QCOMPARE(w->picLogo02->toolTip(),
                 QStringLiteral(" Fare doppio clic per caricare un logo "));
        QCOMPARE(w->cmdInvia->text().remove(u'&'), QStringLiteral("Invia"));
        // Windows of other parts of the program are not there yet in this build.
        for (QPushButton *b :
             {w->cmdTrova, w->cmdSlide, w->cmdWord, w->cmdBackup, w->cmdRubrica, w->cmdGuida})
            QVERIFY2(!b->isEnabled(), qPrintable(b->objectName()));
        QVERIFY(!QFile::exists(env->file("Contatti.edb")));  // nothing read at load

        const QString shots = qEnvironmentVariable("CARTAFLEX_SCREENSHOT_DIR");
        if (!shots.isEmpty()) w->grab().save(shots + QStringLiteral("/frmArchivio.png"));
    }

    void buttonsFollowTheRegisteredActions() {
        QStringList calls;
        Hub &hub = Hub::instance();
        for (Hub::Action action : {Hub::Action::Search, Hub::Action::ExportXlsx,
                                   Hub::Action::ExportDoc, Hub::Action::Backup, Hub::Action::Help})
            hub.registerAction(action, [&calls, action](QWidget *caller, const QString &arg) {
                calls << Hub::actionName(action) + u'|' + arg + u'|' + caller->objectName();
            });
        openWindow();
        for (QPushButton *b : {w->cmdTrova, w->cmdSlide, w->cmdWord, w->cmdBackup, w->cmdGuida}) {
            QVERIFY(b->isEnabled());
            b->click();
        }
        QCOMPARE(calls, QStringList({"search|archivio|frmArchivio", "export-xlsx||frmArchivio",
                                     "export-doc||frmArchivio", "backup||frmArchivio",
                                     "help|archivio|frmArchivio"}));
    }

    // The contacts button's menu: import, and export in either format.
    void contactsMenuRunsItsAction_data() {
        QTest::addColumn<int>("entry");
        QTest::addColumn<QString>("call");
        QTest::newRow("import") << 0 << "import-contacts||frmArchivio";
        QTest::newRow("CSV") << 1 << "export-contacts|csv|frmArchivio";
        QTest::newRow("vCard") << 2 << "export-contacts|vcard|frmArchivio";
    }
    void contactsMenuRunsItsAction() {
        QFETCH(int, entry);
        QFETCH(QString, call);
        QStringList calls;
        Hub &hub = Hub::instance();
        for (Hub::Action action : {Hub::Action::ImportContacts, Hub::Action::ExportContacts})
            hub.registerAction(action, [&calls, action](QWidget *caller, const QString &arg) {
                calls << Hub::actionName(action) + u'|' + arg + u'|' + caller->objectName();
            });
        openWindow();
        QVERIFY(w->cmdRubrica->isEnabled());
        QStringList entries;
        // The menu is the window's child while it is open: the entry is chosen there.
        QTimer poll;
        connect(&poll, &QTimer::timeout, [&] {
            auto *menu = w->findChild<QMenu *>(QStringLiteral("mnuRubrica"));
            if (!menu || !menu->isVisible()) return;
            poll.stop();
            for (QAction *a : menu->actions()) entries << a->text();
            menu->actions().at(entry)->trigger();
            menu->close();
        });
        poll.start(10);
        w->cmdRubrica->click();
        QCOMPARE(entries, QStringList({"Importa contatti…", "Esporta contatti in CSV…",
                                       "Esporta contatti in vCard…"}));
        QCOMPARE(calls, QStringList{call});
    }

    void menuEnablesTheArchiveKeyAndClosingReopensIt() {
        Hub &hub = Hub::instance();
        hub.registerMain(Hub::Main::Menu, [] { return new frmMenu; });
        hub.registerMain(Hub::Main::Archive, [] { return new frmArchivio; });
        auto *menu = qobject_cast<frmMenu *>(hub.open(Hub::Main::Menu));
        QVERIFY(menu);
        QVERIFY(menu->cmdArchivioDati->isEnabled());
        menu->cmdArchivioDati->click();
        auto *archive = hub.currentAs<frmArchivio>();
        QVERIFY(archive);
        archive->setTitleColour(0x0000FF);
        archive->setSubtitleColour(0x00FF00);
        archive->cmdEsci->click();
        QVERIFY(hub.currentAs<frmMenu>());
        SettingsFile ini;
        QCOMPARE(ini.read(u8(SettingsFile::kColours), u8(SettingsFile::kTitleColour)),
                 QStringLiteral("255"));
        QCOMPARE(ini.read(u8(SettingsFile::kColours), u8(SettingsFile::kSubtitleColour)),
                 QStringLiteral("65280"));
    }

    void loadReadsTheTwoColours_data() {
        QTest::addColumn<QByteArray>("ini");
        QTest::addColumn<int>("title");
        QTest::addColumn<int>("subtitle");
        QTest::newRow("both set") << QByteArray(
                                         "[Impostazioni Colore]\r\nColore Titolo=255\r\n"
                                         "Colore Sottotitolo=16711680\r\n")
                                  << 255 << 16711680;
        QTest::newRow("keys in another case, blanks")
            << QByteArray("[impostazioni colore]\ncolore titolo=  32768 \n") << 32768 << 0;
        QTest::newRow("no file") << QByteArray() << 0 << 0;
        QTest::newRow("not a number")
            << QByteArray("[Impostazioni Colore]\nColore Titolo=rosso\n") << 0 << 0;
    }
    void loadReadsTheTwoColours() {
        QFETCH(QByteArray, ini);
        QFETCH(int, title);
        QFETCH(int, subtitle);
        if (!ini.isEmpty()) QVERIFY(TestEnvironment::writeBytes(env->file("Cartaflex.ini"), ini));
        openWindow();
        QCOMPARE(w->titleColour(), title);
        QCOMPARE(w->subtitleColour(), subtitle);
    }

    // The archive window, the card composer and the envelope composer show one setting
    // alike: a colour is a whole number from 0 to 16777215, anything else makes both black,
    // and the archive window writes back what it showed.
    void everyWindowReadsTheColoursAlike_data() {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("subtitle");
        QTest::addColumn<int>("shownTitle");
        QTest::addColumn<int>("shownSubtitle");
        QTest::newRow("two colours") << " 16777215 "
                                     << "255" << 0xFFFFFF << 255;
        QTest::newRow("empty title is black") << ""
                                              << "65280" << 0 << 65280;
        QTest::newRow("a word beside a colour") << "255"
                                                << "rosso" << 0 << 0;
        QTest::newRow("digits then letters") << "255abc"
                                             << "" << 0 << 0;
        QTest::newRow("negative") << "-5"
                                  << "255" << 0 << 0;
        QTest::newRow("beyond white") << "16777216"
                                      << "255" << 0 << 0;
        QTest::newRow("sign") << "+255"
                              << "" << 0 << 0;
    }
    void everyWindowReadsTheColoursAlike() {
        QFETCH(QString, title);
        QFETCH(QString, subtitle);
        QFETCH(int, shownTitle);
        QFETCH(int, shownSubtitle);
        {
            SettingsFile ini;
            QVERIFY(ini.write(u8(SettingsFile::kColours), u8(SettingsFile::kTitleColour), title));
            QVERIFY(
                ini.write(u8(SettingsFile::kColours), u8(SettingsFile::kSubtitleColour), subtitle));
        }
        EnvelopeContent envelope = EnvelopeContent::design();
        EnvelopeSettings::load(envelope, SettingsFile(), SenderLogo::programFilePath());
        QCOMPARE(VbColor::fromColor(envelope.titleColour), shownTitle);
        QCOMPARE(VbColor::fromColor(envelope.subtitleColour), shownSubtitle);
        {
            frmBiglietti cards;
            QCOMPARE(frmBiglietti::textColour(cards.txtTitolo[0]), shownTitle);
            QCOMPARE(frmBiglietti::textColour(cards.txtSottotitolo[3]), shownSubtitle);
        }
        openWindow();
        QCOMPARE(w->titleColour(), shownTitle);
        QCOMPARE(w->subtitleColour(), shownSubtitle);
        w->close();
        SettingsFile ini;
        QCOMPARE(ini.read(u8(SettingsFile::kColours), u8(SettingsFile::kTitleColour)),
                 QString::number(shownTitle));
        QCOMPARE(ini.read(u8(SettingsFile::kColours), u8(SettingsFile::kSubtitleColour)),
                 QString::number(shownSubtitle));
    }

    // The desktop's colour dialog opens every time with an empty table of custom colours,
    // whatever an earlier call left in it.
    void colourDialogStartsWithoutCustomColours() {
        DesktopPlatform desktop;
        QList<QColor> seen[2];
        for (int call = 0; call < 2; ++call) {
            QColorDialog::setCustomColor(0, QColor(Qt::red));
            QColorDialog::setCustomColor(15, QColor(1, 2, 3));
            QTimer::singleShot(50, [&seen, call] {
                for (int i = 0; i < QColorDialog::customCount(); ++i)
                    seen[call] << QColorDialog::customColor(i);
                // As if the user added one before choosing.
                QColorDialog::setCustomColor(3, QColor(Qt::blue));
                if (auto *d = qobject_cast<QColorDialog *>(QApplication::activeModalWidget()))
                    d->reject();
            });
            QCOMPARE(desktop.colorDialog(QColor(Qt::black)), std::nullopt);
            QCOMPARE(seen[call].size(), 16);
            for (const QColor &c : seen[call]) QCOMPARE(c, QColor(Qt::white));
        }
    }

    void colourDialogSetsTheBoxColour() {
        openWindow();
        platform().queueColor(QColor(10, 20, 30));
        w->cmdTitolo->click();
        QCOMPARE(w->titleColour(), 10 | (20 << 8) | (30 << 16));
        QCOMPARE(QApplication::focusWidget(), w->txtTitolo);
        platform().queueColor(std::nullopt);  // cancelled
        w->cmdSottotitolo->click();
        QCOMPARE(w->subtitleColour(), 0);
        QCOMPARE(platform().dialogs.size(), 2);
        QCOMPARE(platform().dialogs.at(0).kind, QStringLiteral("color"));
    }

    void saveOfANewContactOnAMissingArchive() {
        openWindow();
        w->txtTitolo->setText(QStringLiteral("  Rossi Srl "));
        w->txtIva->setText(QStringLiteral("12345670017"));
        w->cmdSalva->click();
        QCOMPARE(w->lblPosizione->text(), QStringLiteral(" 1"));
        QCOMPARE(platform().messages.size(), 1);
        const auto &m = platform().messages.at(0);
        QCOMPARE(m.text, u8("La scheda n.  1 è stata inserita in archivio."));
        QCOMPARE(m.title, QStringLiteral("Salvataggio terminato"));
        QCOMPARE(m.icon, MsgIcon::Information);
        QCOMPARE(QFileInfo(env->file("Contatti.edb")).size(), 1136);
        ContactRecord back;
        QVERIFY(ArchiveStore(env->folder()).readRecord(1, back));
        QCOMPARE(back.titolo(), QStringLiteral("Rossi Srl"));
        QCOMPARE(back.value(ContactRecord::Iva), QStringLiteral("12345670017"));
    }

    void saveTwiceStoresOneRecord() {
        fill(*env, {"Primo", "Secondo"});
        openWindow();
        w->txtTitolo->setText(QStringLiteral("Terzo"));
        w->cmdSalva->click();
        w->txtCitta->setText(QStringLiteral("Milano"));
        w->cmdSalva->click();
        QCOMPARE(namesOnDisk(*env), QStringList({"Primo", "Secondo", "Terzo"}));
        QCOMPARE(platform().messages.size(), 2);
        QCOMPARE(platform().messages.at(0).text,
                 u8("La scheda n.  3 è stata inserita in archivio."));
        QCOMPARE(platform().messages.at(1).text,
                 u8("Le modifiche apportate alla scheda n.  3 sono state inserite in archivio."));
        ContactRecord back;
        QVERIFY(ArchiveStore(env->folder()).readRecord(3, back));
        QCOMPARE(back.value(ContactRecord::Citta), QStringLiteral("Milano"));
    }

    void saveWithABlankNameIsRefused() {
        fill(*env, {"Primo"});
        const QByteArray before = TestEnvironment::readBytes(env->file("Contatti.edb"));
        openWindow();
        w->txtTitolo->setText(QStringLiteral("   "));
        w->txtCitta->setText(QStringLiteral("Roma"));
        w->txtCitta->setFocus();
        w->cmdSalva->click();
        QCOMPARE(platform().messages.size(), 1);
        QCOMPARE(platform().messages.at(0).text, u8(ArchiveMessages::kMissingNameText));
        QCOMPARE(platform().messages.at(0).title, QStringLiteral("Attenzione: parametro mancante"));
        QCOMPARE(platform().messages.at(0).icon, MsgIcon::Exclamation);
        QCOMPARE(QApplication::focusWidget(), w->txtTitolo);
        QCOMPARE(TestEnvironment::readBytes(env->file("Contatti.edb")), before);
        QCOMPARE(w->lblPosizione->text(), QString());
    }

    void saveOnAReadOnlyArchive_data() {
        QTest::addColumn<bool>("shown");
        QTest::newRow("new contact") << false;
        QTest::newRow("shown contact") << true;
    }
    void saveOnAReadOnlyArchive() {
        QFETCH(bool, shown);
        fill(*env, {"Primo", "Secondo"});
        openWindow();
        if (shown) w->cmdUltimo->click();
        w->txtTitolo->setText(QStringLiteral("Cambiato"));
        const QByteArray before = TestEnvironment::readBytes(env->file("Contatti.edb"));
        ReadOnly guard(env->file("Contatti.edb"));
        if (!guard.effective()) QSKIP("neither permissions nor chattr stop this user");
        platform().clear();
        w->cmdSalva->click();
        QCOMPARE(platform().beeps, 1);
        QCOMPARE(platform().messages.size(), 1);
        QCOMPARE(platform().messages.at(0).text, u8(ArchiveMessages::kSaveErrorText));
        QCOMPARE(platform().messages.at(0).title, QStringLiteral("Messaggio di errore"));
        QCOMPARE(platform().messages.at(0).icon, MsgIcon::Critical);
        QCOMPARE(TestEnvironment::readBytes(env->file("Contatti.edb")), before);
        QCOMPARE(w->lblPosizione->text(), shown ? QStringLiteral(" 2") : QString());
        QCOMPARE(w->txtTitolo->text(), QStringLiteral("Cambiato"));
    }

    void saveInAReadOnlyFolderCreatesNothing() {
        openWindow();
        ReadOnly guard(env->folder());
        if (!guard.effective()) QSKIP("neither permissions nor chattr stop this user");
        w->txtTitolo->setText(QStringLiteral("Nuovo"));
        w->cmdSalva->click();
        QCOMPARE(platform().messages.size(), 1);
        QCOMPARE(platform().messages.at(0).text, u8(ArchiveMessages::kSaveErrorText));
        QVERIFY(!QFile::exists(env->file("Contatti.edb")));
        QCOMPARE(w->lblPosizione->text(), QString());
    }

    void saveOfARecordNoLongerInTheArchive() {
        fill(*env, {"Primo", "Secondo", "Terzo"});
        openWindow();
        w->cmdUltimo->click();
        // The archive is replaced behind the window's back by a shorter one.
        QVERIFY(ArchiveStore(env->folder()).deleteRecord(3));
        const QByteArray before = TestEnvironment::readBytes(env->file("Contatti.edb"));
        platform().clear();
        w->cmdSalva->click();
        QCOMPARE(platform().beeps, 1);
        QCOMPARE(platform().messages.size(), 1);
        QCOMPARE(platform().messages.at(0).text,
                 QStringLiteral("Impossibile salvare le modifiche."));
        QCOMPARE(platform().messages.at(0).title,
                 QStringLiteral("Attenzione: messaggio di errore"));
        QCOMPARE(platform().messages.at(0).icon, MsgIcon::Critical);
        QCOMPARE(TestEnvironment::readBytes(env->file("Contatti.edb")), before);
        QCOMPARE(w->lblPosizione->text(), QString());
        QCOMPARE(w->txtTitolo->text(), QString());
    }

    void browsing_data() {
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("name");
        QTest::newRow("first click on next shows record 1") << QStringList{"cmdAvanti"} << " 1"
                                                            << "A";
        QTest::newRow("previous from blank shows record 1") << QStringList{"cmdIndietro"} << " 1"
                                                            << "A";
        QTest::newRow("last") << QStringList{"cmdUltimo"} << " 3"
                              << "C";
        QTest::newRow("next on the last stays") << QStringList{"cmdUltimo", "cmdAvanti"} << " 3"
                                                << "C";
        QTest::newRow("previous on the first stays")
            << QStringList{"cmdPrimo", "cmdIndietro"} << " 1"
            << "A";
        QTest::newRow("last then previous") << QStringList{"cmdUltimo", "cmdIndietro"} << " 2"
                                            << "B";
    }
    void browsing() {
        QFETCH(QStringList, clicks);
        QFETCH(QString, label);
        QFETCH(QString, name);
        fill(*env, {"A", "B", "C"});
        openWindow();
        for (const QString &c : clicks) w->findChild<QPushButton *>(c)->click();
        QCOMPARE(w->lblPosizione->text(), label);
        QCOMPARE(w->txtTitolo->text(), name);
        QVERIFY(platform().messages.isEmpty());
        QCOMPARE(platform().busyDepth, 0);
    }

    void browsingAnEmptyArchiveBecomesANewContact() {
        openWindow();
        w->txtTitolo->setText(QStringLiteral("typed"));
        w->cmdAvanti->click();
        QCOMPARE(platform().messages.size(), 1);
        QCOMPARE(platform().messages.at(0).text,
                 QStringLiteral("L'archivio non contiene nessuna scheda."));
        QCOMPARE(w->lblPosizione->text(), QString());
        QCOMPARE(w->txtTitolo->text(), QString());
        QVERIFY(QFile::exists(env->file("Contatti.edb")));
    }

    void browsingShowsTheLogosAndSkipsMissingOrBadFiles() {
        const QString good = env->file("good.png");
        QVERIFY(writePicture(good, Qt::red));
        const QString notPicture = env->file("notes.jpg");
        QVERIFY(TestEnvironment::writeBytes(notPicture, "this is plain text, not a picture"));
        ContactRecord r =
            contact(QStringLiteral("Studio Bianchi & Figli"), QStringLiteral("info@bianchi.it"));
        r.setValue(ContactRecord::Sottotitolo, QStringLiteral("Commercialisti associati"));
        r.setValue(ContactRecord::Citta, QStringLiteral("20100 Milano (MI)"));
        r.setValue(ContactRecord::Iva, QStringLiteral("12345670017"));
        r.setValue(ContactRecord::Web, QStringLiteral("www.bianchi.it"));
        r.setValue(ContactRecord::Logo01, good);
        r.setValue(ContactRecord::Logo02, env->file("deleted.png"));
        r.setValue(ContactRecord::Logo03, notPicture);
        QVERIFY(ArchiveStore(env->folder()).appendRecord(r) == 1);
        openWindow();
        w->cmdPrimo->click();
        QVERIFY(!frmArchivio::isBlankPicture(w->picLogo01));
        QCOMPARE(w->picLogo01->pixmap().toImage().pixelColor(5, 5), QColor(Qt::red));
        QVERIFY(frmArchivio::isBlankPicture(w->picLogo02));
        QVERIFY(frmArchivio::isBlankPicture(w->picLogo03));
        QCOMPARE(w->txtLogo02->text(), env->file("deleted.png"));
        QVERIFY(platform().messages.isEmpty());
        QVERIFY(platform().busyShown >= 1);
        QCOMPARE(platform().busyDepth, 0);
        const QString shots = qEnvironmentVariable("CARTAFLEX_SCREENSHOT_DIR");
        if (!shots.isEmpty()) w->grab().save(shots + QStringLiteral("/frmArchivio_record.png"));
    }

    void newEmptiesEverything() {
        const QString good = env->file("good.png");
        QVERIFY(writePicture(good, Qt::blue));
        ContactRecord r = contact(QStringLiteral("Tutto"), QStringLiteral("a@b.it"));
        r.setValue(ContactRecord::Logo03, good);
        ArchiveStore(env->folder()).appendRecord(r);
        openWindow();
        w->cmdPrimo->click();
        QVERIFY(!frmArchivio::isBlankPicture(w->picLogo03));
        w->txtCitta->setFocus();
        w->cmdNuovo->click();
        QCOMPARE(w->lblPosizione->text(), QString());
        for (QLineEdit *b : w->entryBoxes()) QCOMPARE(b->text(), QString());
        for (QLineEdit *b : w->logoPathBoxes()) QCOMPARE(b->text(), QString());
        QVERIFY(frmArchivio::isBlankPicture(w->picLogo03));
        QCOMPARE(QApplication::focusWidget(), w->txtTitolo);
    }

    void resetToNoRecordAfterTheArchiveIsReplaced() {
        fill(*env, {"A", "B"});
        openWindow();
        w->cmdUltimo->click();
        w->resetToNoRecord();
        QCOMPARE(w->lblPosizione->text(), QString());
        QCOMPARE(w->txtTitolo->text(), QString());
        // A save now adds a contact instead of overwriting record 2.
        w->txtTitolo->setText(QStringLiteral("C"));
        w->cmdSalva->click();
        QCOMPARE(namesOnDisk(*env), QStringList({"A", "B", "C"}));
    }

    void deleteWithNoShownRecord() {
        fill(*env, {"A"});
        openWindow();
        w->picVuoto->click();
        QCOMPARE(platform().messages.size(), 1);
        QCOMPARE(platform().messages.at(0).text, u8(ArchiveMessages::kDeleteNotApplicableText));
        QCOMPARE(platform().messages.at(0).title, u8("Attenzione: operazione non applicabile"));
        QCOMPARE(platform().messages.at(0).buttons, MsgButtons::Ok);
        QCOMPARE(namesOnDisk(*env), QStringList({"A"}));
    }

    void deleteFlows_data() {
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<int>("shown");
        QTest::addColumn<QStringList>("left");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("nameAfter");
        QTest::newRow("record 1 of 3")
            << QStringList{"A", "B", "C"} << 1 << QStringList{"B", "C"} << " 1"
            << "B";
        QTest::newRow("record 3 of 5")
            << QStringList{"A", "B", "C", "D", "E"} << 3 << QStringList{"A", "B", "D", "E"} << " 2"
            << "B";
        QTest::newRow("last of 3")
            << QStringList{"A", "B", "C"} << 3 << QStringList{"A", "B"} << " 2"
            << "B";
        QTest::newRow("the only record") << QStringList{"A"} << 1 << QStringList{} << ""
                                         << "";
    }
    void deleteFlows() {
        QFETCH(QStringList, names);
        QFETCH(int, shown);
        QFETCH(QStringList, left);
        QFETCH(QString, label);
        QFETCH(QString, nameAfter);
        fill(*env, names);
        openWindow();
        w->cmdPrimo->click();
        for (int i = 1; i < shown; ++i) w->cmdAvanti->click();
        platform().queueAnswer(MsgAnswer::Yes);
        w->picVuoto->click();
        QCOMPARE(namesOnDisk(*env), left);
        QCOMPARE(w->lblPosizione->text(), label);
        QCOMPARE(w->txtTitolo->text(), nameAfter);
        const auto &msgs = platform().messages;
        QVERIFY(msgs.size() >= 2);
        QCOMPARE(msgs.first().text, u8("Si vuole proprio cancellare la scheda n. %1?").arg(shown));
        QCOMPARE(msgs.first().title, QStringLiteral("Conferma operazione"));
        QCOMPARE(msgs.first().buttons, MsgButtons::YesNo);
        QCOMPARE(msgs.first().icon, MsgIcon::Question);
        if (left.isEmpty())
            QCOMPARE(msgs.at(1).text, QStringLiteral("L'archivio non contiene nessuna scheda."));
        QCOMPARE(msgs.last().text, QStringLiteral("La scheda è stata rimossa dall'archivio."));
        QCOMPARE(msgs.last().title, QStringLiteral("Cancellazione terminata"));
        QCOMPARE(msgs.size(), left.isEmpty() ? 3 : 2);
    }

    void deleteAnsweredNoKeepsEverything() {
        fill(*env, {"A", "B"});
        openWindow();
        w->cmdUltimo->click();
        platform().queueAnswer(MsgAnswer::No);
        w->picVuoto->click();
        QCOMPARE(namesOnDisk(*env), QStringList({"A", "B"}));
        QCOMPARE(w->lblPosizione->text(), QStringLiteral(" 2"));
        QCOMPARE(platform().messages.size(), 1);
    }

    void deleteOnAReadOnlyArchive_data() {
        QTest::addColumn<bool>("file");
        QTest::addColumn<bool>("folder");
        QTest::newRow("read-only file") << true << false;
        QTest::newRow("read-only folder") << false << true;
        QTest::newRow("both") << true << true;
    }
    void deleteOnAReadOnlyArchive() {
        QFETCH(bool, file);
        QFETCH(bool, folder);
        fill(*env, {"A", "B"});
        openWindow();
        w->cmdUltimo->click();
        const QByteArray before = TestEnvironment::readBytes(env->file("Contatti.edb"));
        std::unique_ptr<ReadOnly> fileGuard, folderGuard;
        if (file) fileGuard = std::make_unique<ReadOnly>(env->file("Contatti.edb"));
        if (folder) folderGuard = std::make_unique<ReadOnly>(env->folder());
        if ((fileGuard && !fileGuard->effective()) || (folderGuard && !folderGuard->effective()))
            QSKIP("neither permissions nor chattr stop this user");
        platform().queueAnswer(MsgAnswer::Yes);
        w->picVuoto->click();
        QCOMPARE(platform().beeps, 1);
        QCOMPARE(platform().messages.last().text, u8(ArchiveMessages::kDeleteErrorText));
        QCOMPARE(platform().messages.last().title,
                 QStringLiteral("Attenzione: eliminazione scheda non riuscita"));
        QCOMPARE(platform().messages.last().icon, MsgIcon::Critical);
        QCOMPARE(TestEnvironment::readBytes(env->file("Contatti.edb")), before);
        QVERIFY(!QFile::exists(env->file("Archivio.tmp")));
        QCOMPARE(w->lblPosizione->text(), QStringLiteral(" 2"));
    }

    void deleteOfARecordNoLongerInTheArchiveRemovesNothing() {
        fill(*env, {"A", "B", "C"});
        openWindow();
        w->cmdUltimo->click();
        QVERIFY(ArchiveStore(env->folder()).deleteRecord(3));
        platform().clear();
        platform().queueAnswer(MsgAnswer::Yes);
        w->picVuoto->click();
        QCOMPARE(namesOnDisk(*env), QStringList({"A", "B"}));
        QCOMPARE(platform().messages.last().text, u8(ArchiveMessages::kDeleteNotApplicableText));
        QCOMPARE(w->lblPosizione->text(), QString());
    }

    void logoDialog() {
        const QString good = env->file("logo.bmp");
        QVERIFY(writePicture(good, Qt::green));
        openWindow();
        platform().queueOpenFile(good);
        w->cmdMedio->click();
        QCOMPARE(w->txtLogo02->text(), good);
        QVERIFY(!frmArchivio::isBlankPicture(w->picLogo02));
        QCOMPARE(platform().dialogs.size(), 1);
        const auto &d = platform().dialogs.at(0);
        QCOMPARE(d.kind, QStringLiteral("open"));
        QCOMPARE(d.title, QStringLiteral("Cartaflex - Selezionare un file immagine"));
        QCOMPARE(d.selectedFilter, 0);
        QStringList pairs;
        for (const FileFilter &f : d.filters) pairs << f.description + u'|' + f.patterns;
        QCOMPARE(pairs,
                 QStringList({"Jpg (*.jpg)|*.jpg", "Bitmap (*.bmp)|*.bmp", "Jpeg (*.jpeg)|*.jpeg",
                              "CompuServe Gif (*.gif)|*.gif", "Windows Meta File (*.wmf)|*.wmf",
                              "Immagini PNG (*.png)|*.png", "Tutti i file (*.*)|*"}));

        // A file that is not a picture: blank picture, path box as it was, no message.
        const QString bad = env->file("fake.gif");
        QVERIFY(TestEnvironment::writeBytes(bad, QByteArray(300, 'x')));
        platform().queueOpenFile(bad);
        w->cmdMedio->click();
        QVERIFY(frmArchivio::isBlankPicture(w->picLogo02));
        QCOMPARE(w->txtLogo02->text(), good);
        // Cancel changes nothing; a double click on the picture opens the same dialog.
        QTest::mouseDClick(w->picLogo01, Qt::LeftButton);
        QCOMPARE(platform().dialogs.size(), 3);
        QCOMPARE(w->txtLogo01->text(), QString());
        QVERIFY(platform().messages.isEmpty());
    }

    void saveBlanksLogosWhosePathIsEmpty() {
        const QString good = env->file("good.png");
        QVERIFY(writePicture(good, Qt::red));
        openWindow();
        w->txtTitolo->setText(QStringLiteral("X"));
        platform().queueOpenFile(good);
        w->cmdPiccolo->click();
        // The picture without a path (as after a handover that loaded only a picture).
        w->loadLogo(w->picLogo03, good);
        w->cmdSalva->click();
        QVERIFY(!frmArchivio::isBlankPicture(w->picLogo01));
        QVERIFY(frmArchivio::isBlankPicture(w->picLogo03));
        ContactRecord back;
        QVERIFY(ArchiveStore(env->folder()).readRecord(1, back));
        QCOMPARE(back.value(ContactRecord::Logo01), good);
    }

    void focusColours() {
        openWindow();
        const QColor yellow(255, 255, 192);
        const QColor window = QApplication::palette().color(QPalette::Base);
        w->txtCitta->setFocus();
        QCOMPARE(w->txtCitta->palette().color(QPalette::Base), yellow);
        w->txtEmail->setFocus();
        QCOMPARE(w->txtCitta->palette().color(QPalette::Base), window);
        QCOMPARE(w->txtEmail->palette().color(QPalette::Base), yellow);
        w->txtWeb->setFocus();
        QCOMPARE(w->txtEmail->palette().color(QPalette::Base), QColor(255, 255, 255));
    }

    void enterMovesRoundTheRing() {
        openWindow();
        const auto boxes = w->entryBoxes();
        boxes[0]->setFocus();
        for (int i = 0; i < 11; ++i) {
            QCOMPARE(QApplication::focusWidget(), boxes[i]);
            QTest::keyClick(boxes[i], Qt::Key_Return);
        }
        QCOMPARE(QApplication::focusWidget(), boxes[0]);
        QVERIFY(platform().messages.isEmpty());  // Enter in the VAT box is no refused key
    }

    void vatBoxTakesDigitsOnly() {
        openWindow();
        w->txtIva->setFocus();
        QTest::keyClicks(w->txtIva, QStringLiteral("12"));
        QTest::keyClick(w->txtIva, Qt::Key_A);
        QCOMPARE(w->txtIva->text(), QStringLiteral("12"));
        QCOMPARE(platform().messages.size(), 1);
        QCOMPARE(
            platform().messages.at(0).text,
            QStringLiteral("Inserire il numero di partita IVA digitando solo caratteri numerici."));
        QCOMPARE(platform().messages.at(0).title, QStringLiteral("Attenzione: valore non valido"));
        QCOMPARE(platform().messages.at(0).icon, MsgIcon::Information);
        QTest::keyClick(w->txtIva, Qt::Key_Backspace);
        QCOMPARE(w->txtIva->text(), QStringLiteral("1"));
        QGuiApplication::clipboard()->setText(QStringLiteral("999"));
        QTest::keyClick(w->txtIva, Qt::Key_V, Qt::ControlModifier);
        QTest::keyClick(w->txtIva, Qt::Key_Space);
        QTest::keyClick(w->txtIva, Qt::Key_Minus);
        QCOMPARE(w->txtIva->text(), QStringLiteral("1"));
        QCOMPARE(platform().messages.size(), 4);
        // Other boxes take anything.
        w->txtTel->setFocus();
        QTest::keyClicks(w->txtTel, QStringLiteral("+39 02"));
        QCOMPARE(w->txtTel->text(), QStringLiteral("+39 02"));
    }

    void webPrefixOnLosingTheFocus_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("after");
        QTest::newRow("bare host") << "esempio.it"
                                   << "http://esempio.it";
        QTest::newRow("www kept") << "www.esempio.it"
                                  << "www.esempio.it";
        QTest::newRow("https kept") << "https://esempio.it"
                                    << "https://esempio.it";
        QTest::newRow("ftp kept") << "ftp://files.it"
                                  << "ftp://files.it";
        QTest::newRow("trimmed") << "  http://a.it  "
                                 << "http://a.it";
        QTest::newRow("case-sensitive prefix") << "HTTP://A.IT"
                                               << "http://HTTP://A.IT";
        QTest::newRow("blank stays empty") << "   "
                                           << "";
    }
    void webPrefixOnLosingTheFocus() {
        QFETCH(QString, typed);
        QFETCH(QString, after);
        openWindow();
        w->txtWeb->setFocus();
        w->txtWeb->setText(typed);
        w->txtTitolo->setFocus();
        QCOMPARE(w->txtWeb->text(), after);
        QCOMPARE(WebAddress::completed(typed), after);
    }

    void visitHandsOnlyOpenableAddresses_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("boxAfter");
        QTest::addColumn<QString>("opened");
        QTest::newRow("https as typed") << "https://a.it/x"
                                        << "https://a.it/x"
                                        << "https://a.it/x";
        QTest::newRow("www gets a scheme for the shell only") << "www.a.it"
                                                              << "www.a.it"
                                                              << "http://www.a.it";
        QTest::newRow("bare host") << "a.it"
                                   << "http://a.it"
                                   << "http://a.it";
        QTest::newRow("blanks before the prefix") << "  https://a.it"
                                                  << "https://a.it"
                                                  << "https://a.it";
    }
    void visitHandsOnlyOpenableAddresses() {
        QFETCH(QString, box);
        QFETCH(QString, boxAfter);
        QFETCH(QString, opened);
        openWindow();
        w->txtWeb->setText(box);
        QTest::mouseClick(w->imgVail, Qt::LeftButton);
        QCOMPARE(w->txtWeb->text(), boxAfter);
        QCOMPARE(platform().openedUrls, QStringList{opened});
        QCOMPARE(platform().busyDepth, 0);
    }

    void shellUrlRefusesWhatIsNotAnAddress_data() {
        QTest::addColumn<QString>("visit");
        QTest::addColumn<QString>("url");
        QTest::newRow("http") << "http://a.it"
                              << "http://a.it";
        QTest::newRow("www") << "www.a.it"
                             << "http://www.a.it";
        QTest::newRow("local file") << "file:///etc/passwd"
                                    << "";
        QTest::newRow("a program") << "/usr/bin/xterm"
                                   << "";
        QTest::newRow("scheme only") << "http://"
                                     << "";
        QTest::newRow("line break") << "http://a.it\n--x"
                                    << "";
    }
    void shellUrlRefusesWhatIsNotAnAddress() {
        QFETCH(QString, visit);
        QFETCH(QString, url);
        QCOMPARE(WebAddress::shellUrl(visit), url);
    }

    void visitWithNoAddress() {
        openWindow();
        w->txtWeb->setText(QStringLiteral("  "));
        QTest::mouseClick(w->imgVail, Qt::LeftButton);
        QCOMPARE(platform().messages.size(), 1);
        QCOMPARE(
            platform().messages.at(0).text,
            u8("Impossibile visitare il sito Web in quanto non è stato specificato l'indirizzo."));
        QCOMPARE(platform().messages.at(0).title, QStringLiteral("Attenzione: dati incompleti"));
        QCOMPARE(QApplication::focusWidget(), w->txtWeb);
        QVERIFY(platform().openedUrls.isEmpty());
    }

    void emailButton_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("request");
        QTest::newRow("named contact") << "Rossi"
                                       << "info@rossi.it"
                                       << "mailto:info@rossi.it?Body=Spett.le%20Rossi,";
        QTest::newRow("no name") << "  "
                                 << "a@b.it"
                                 << "mailto:a@b.it?Body=Salve,";
        QTest::newRow("blank in the name") << "Rossi Srl"
                                           << "a@b.it"
                                           << "mailto:a@b.it?Body=Spett.le%20Rossi%20Srl,";
    }
    void emailButton() {
        QFETCH(QString, name);
        QFETCH(QString, address);
        QFETCH(QString, request);
        openWindow();
        w->txtTitolo->setText(name);
        w->txtEmail->setText(address);
        w->cmdInvia->click();
        QCOMPARE(platform().openedUrls, QStringList{request});
        QVERIFY(platform().messages.isEmpty());
    }

    void emailButtonWithoutAddressOrMailProgram() {
        openWindow();
        w->txtEmail->setText(QStringLiteral(" "));
        w->cmdInvia->click();
        QVERIFY(platform().openedUrls.isEmpty());
        QCOMPARE(platform().messages.at(0).title,
                 QStringLiteral("Attenzione: indirizzo e-mail mancante"));
        QCOMPARE(platform().messages.at(0).icon, MsgIcon::Information);
        QCOMPARE(QApplication::focusWidget(), w->txtEmail);
        platform().setOpenUrlResult(false);
        w->txtEmail->setText(QStringLiteral("a@b.it"));
        w->cmdInvia->click();
        QCOMPARE(platform().messages.size(), 2);
        QCOMPARE(platform().messages.at(1).title, QStringLiteral("Invio e-mail non riuscito"));
        QCOMPARE(platform().messages.at(1).icon, MsgIcon::Critical);
    }

    void vatButtonHandsTheTrimmedNumberToTheCheckWindow() {
        openWindow();
        w->txtIva->setText(QStringLiteral(" 1234567001 "));
        QString seen;
        bool modal = false;
        QTimer::singleShot(0, this, [&] {
            auto *check = qobject_cast<frmCalcIva *>(QApplication::activeModalWidget());
            if (!check) return;
            seen = check->txtIva->text();
            modal = check->isModal();
            check->cmdChiudi->click();
        });
        w->cmdCheckIvaVend->click();
        QCOMPARE(seen, QStringLiteral("1234567001"));
        QVERIFY(modal);
        QVERIFY(platform().messages.isEmpty());  // the check itself is not run
    }
};

QTEST_MAIN(TestFrmArchivio)
#include "tst_frmArchivio.moc"
