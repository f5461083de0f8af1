#include <QApplication>
#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

#include "archive/ArchiveStore.h"
#include "backup/BackupProcedure.h"
#include "backup/frmBakClienti.h"
#include "backup/frmBakClienti01.h"
#include "backup/frmRipClienti01.h"
#include "backup/widgets/BackupWizard.h"
#include "platform/VbColor.h"
#include "support/TestEnvironment.h"
#include "ui/Hub.h"

namespace {

QByteArray archiveBytes(int records) {
    QByteArray out;
    for (int i = 1; i <= records; ++i) {
        ContactRecord r;
        r.setValue(ContactRecord::Titolo, QStringLiteral("Contatto %1").arg(i));
        out += r.encode();
    }
    return out;
}

bool handsShowChoose(frmBackupPage &p) {
    return !p.imgMano01->isHidden() && p.imgMano02->isHidden();
}
bool handsShowPerform(frmBackupPage &p) {
    return p.imgMano01->isHidden() && !p.imgMano02->isHidden();
}

}  // namespace

class TestFrmBakClienti : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { Hub::instance().reset(); }

    void firstPageDesignState();
    void choosingAnOption_data();
    void choosingAnOption();
    void firstPageExit();
    void helpKey();

    void backupPageLoad();
    void folderChoice();
    void firstBackupOfTheDay();
    void secondBackupOfTheDay_data();
    void secondBackupOfTheDay();
    void backupIntoUnwritableFolder();
    void backAndExit();

    void restorePageLoadCreatesMissingArchive();
    void fileChoice();
    void restoreOfANonBackupFile();
    void restoreWhoseCopyFailsKeepsArchive();

    void wizardGoesBackToAFreshFirstPage();
    void pagesLookRight();
};

void TestFrmBakClienti::firstPageDesignState() {
    TestEnvironment env;
    frmBakClienti f;
    QCOMPARE(f.windowTitle(), QStringLiteral("Gestione backup archivio dati personali"));
    QCOMPARE(f.optBakDDT->text().remove(u'&'),
             QStringLiteral(" Effettua il backup dell'archivio dati personali corrente. "));
    QCOMPARE(f.optRipDDT->text().remove(u'&'),
             QStringLiteral(" Ripristina il file di backup di un archivio "
                            "dati personali creato precedentemente. "));
    QVERIFY(f.lblInfo01->text().startsWith(QStringLiteral("Benvenuti nella procedura guidata")));
    QVERIFY(f.lblInfo02->text().endsWith(
        QStringLiteral("premere il pulsante Avanti in fondo alla schermata.")));
    QVERIFY(!f.optBakDDT->isChecked());
    QVERIFY(!f.optRipDDT->isChecked());
    QVERIFY(!f.cmdAvanti->isEnabled());
    QVERIFY(f.cmdEsci->isEnabled());
    QVERIFY(f.imgDex->isHidden());
    QVERIFY(!f.imgGuida->isHidden());
    QCOMPARE(f.next(), frmBakClienti::Choice::None);
}

void TestFrmBakClienti::choosingAnOption_data() {
    QTest::addColumn<bool>("backup");
    QTest::newRow("backup") << true;
    QTest::newRow("restore") << false;
}

void TestFrmBakClienti::choosingAnOption() {
    QFETCH(bool, backup);
    TestEnvironment env;
    frmBakClienti f;
    QRadioButton *chosen = backup ? f.optBakDDT : f.optRipDDT;
    QRadioButton *other = backup ? f.optRipDDT : f.optBakDDT;
    chosen->click();
    QCOMPARE(chosen->palette().color(QPalette::WindowText), VbColor::toColor(0x000000FF));
    QCOMPARE(other->palette().color(QPalette::WindowText), VbColor::toColor(0x00400000));
    QCOMPARE(other->palette().color(QPalette::WindowText), QColor(0, 0, 0x40));
    QVERIFY(f.cmdAvanti->isEnabled());
    QVERIFY(!f.imgDex->isHidden());
    f.cmdAvanti->click();
    QCOMPARE(f.result(), int(QDialog::Accepted));
    QCOMPARE(f.next(), backup ? frmBakClienti::Choice::Backup : frmBakClienti::Choice::Restore);
}

void TestFrmBakClienti::firstPageExit() {
    TestEnvironment env;
    frmBakClienti f;
    f.optBakDDT->click();
    f.cmdEsci->click();
    QCOMPARE(f.result(), int(QDialog::Rejected));
    QCOMPARE(f.next(), frmBakClienti::Choice::None);
}

void TestFrmBakClienti::helpKey() {
    TestEnvironment env;
    {
        frmBakClienti f;
        QVERIFY(!f.imgGuida->isEnabled());
        QTest::mouseClick(f.imgGuida, Qt::LeftButton);  // nothing to run, nothing happens
    }
    QStringList asked;
    Hub::instance().registerAction(Hub::Action::Help, [&](QWidget *caller, const QString &topic) {
        QVERIFY(qobject_cast<frmBakClienti *>(caller));
        asked << topic;
    });
    frmBakClienti f;
    QVERIFY(f.imgGuida->isEnabled());
    QTest::mouseClick(f.imgGuida, Qt::LeftButton);
    QCOMPARE(asked, QStringList{QStringLiteral("backup")});
    QCOMPARE(f.result(), int(QDialog::Rejected));  // the page stays
}

void TestFrmBakClienti::backupPageLoad() {
    TestEnvironment env;
    QVERIFY(TestEnvironment::writeBytes(env.file("Contatti.edb"), archiveBytes(3)));
    frmBakClienti01 p;
    QCOMPARE(p.windowTitle(), QStringLiteral("Creazione backup archivio dati personali"));
    QVERIFY(p.lblInfo01->text().startsWith(
        QStringLiteral("L'archivio dati personali misura 3408 byte e contiene 3 schede.\r\n\r\nPer "
                       "eseguire il backup")));
    QCOMPARE(p.lblCartella->text(), QStringLiteral("Nessuna cartella selezionata"));
    QVERIFY(!p.cmdEffettua->isEnabled());
    QVERIFY(handsShowChoose(p));
}

void TestFrmBakClienti::folderChoice() {
    TestEnvironment env;
    frmBakClienti01 p;
    env.platform().queueFolder(env.folder());
    p.cmdSelect->click();
    QCOMPARE(env.platform().dialogs.last().kind, QStringLiteral("folder"));
    QCOMPARE(env.platform().dialogs.last().title,
             QStringLiteral("Seleziona una cartella per il backup :"));
    QCOMPARE(p.lblCartella->text(), env.folder());
    QVERIFY(p.cmdEffettua->isEnabled());
    QVERIFY(handsShowPerform(p));
    // Cancelled the second time: back to nothing chosen.
    p.cmdSelect->click();
    QCOMPARE(p.lblCartella->text(), QStringLiteral("Nessuna cartella selezionata"));
    QVERIFY(!p.cmdEffettua->isEnabled());
    QVERIFY(handsShowChoose(p));
}

void TestFrmBakClienti::firstBackupOfTheDay() {
    TestEnvironment env;
    const QByteArray bytes = archiveBytes(2);
    QVERIFY(TestEnvironment::writeBytes(env.file("Contatti.edb"), bytes));
    const QString dest = env.file("dest");
    QVERIFY(QDir().mkdir(dest));
    frmBakClienti01 p;
    p.setToday(QDate(2024, 3, 5));
    env.platform().queueFolder(dest);
    p.cmdSelect->click();
    p.cmdEffettua->click();
    QCOMPARE(TestEnvironment::readBytes(dest + QStringLiteral("/Backup_Contatti_5_3_2024.bkc")),
             bytes);
    QCOMPARE(env.platform().messages.size(), 1);
    QCOMPARE(env.platform().messages.first().text,
             QStringLiteral("Creazione del file di backup effettuata con successo."));
    QCOMPARE(env.platform().messages.first().title, QStringLiteral("Salvataggio terminato"));
    QCOMPARE(p.result(), int(QDialog::Accepted));
    QCOMPARE(p.next(), frmBackupPage::Next::End);
}

void TestFrmBakClienti::secondBackupOfTheDay_data() {
    QTest::addColumn<int>("answer");
    QTest::newRow("No") << int(MsgAnswer::No);
    QTest::newRow("Yes") << int(MsgAnswer::Yes);
}

void TestFrmBakClienti::secondBackupOfTheDay() {
    QFETCH(int, answer);
    TestEnvironment env;
    const QByteArray bytes = archiveBytes(4);
    QVERIFY(TestEnvironment::writeBytes(env.file("Contatti.edb"), bytes));
    const QString dest = env.file("dest");
    QVERIFY(QDir().mkdir(dest));
    const QString backup = dest + u'/' + BackupProcedure::backupFileName(QDate::currentDate());
    QVERIFY(TestEnvironment::writeBytes(backup, "copia di stamattina"));
    frmBakClienti01 p;
    env.platform().queueFolder(dest);
    p.cmdSelect->click();
    env.platform().queueAnswer(MsgAnswer(answer));
    p.cmdEffettua->click();
    QCOMPARE(env.platform().messages.first().title, QStringLiteral("File di backup esistente"));
    if (MsgAnswer(answer) == MsgAnswer::Yes) {
        QCOMPARE(TestEnvironment::readBytes(backup), bytes);
        QCOMPARE(p.result(), int(QDialog::Accepted));
    } else {
        QCOMPARE(TestEnvironment::readBytes(backup), QByteArray("copia di stamattina"));
        QCOMPARE(env.platform().messages.size(), 1);
        QCOMPARE(p.result(), int(QDialog::Rejected));  // still open: the user may choose again
        QVERIFY(p.cmdEffettua->isEnabled());
    }
}

void TestFrmBakClienti::backupIntoUnwritableFolder() {
    TestEnvironment env;
    const QString folder = TestEnvironment::unwritableFolder(env.folder());
    if (folder.isEmpty()) QSKIP("no folder here refuses writing");
    QVERIFY(TestEnvironment::writeBytes(env.file("Contatti.edb"), archiveBytes(1)));
    frmBakClienti01 p;
    env.platform().queueFolder(folder);
    p.cmdSelect->click();
    p.cmdEffettua->click();
    QCOMPARE(env.platform().messages.size(), 1);
    const auto &m = env.platform().messages.first();
    QCOMPARE(m.title, QStringLiteral("Backup non riuscito"));
    QCOMPARE(m.text,
             QStringLiteral(
                 "Impossibile effettuare il backup.\r\n\r\nAccertarsi che la cartella e il file "
                 "di destinazione non siano protetti dalla scrittura."));
    QCOMPARE(m.icon, MsgIcon::Exclamation);
    QCOMPARE(p.result(), int(QDialog::Rejected));
    QCOMPARE(env.platform().busyDepth, 0);
    QFile::setPermissions(env.folder() + QStringLiteral("/sola-lettura"),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

void TestFrmBakClienti::backAndExit() {
    TestEnvironment env;
    {
        frmBakClienti01 p;
        p.cmdIndietro->click();
        QCOMPARE(p.next(), frmBackupPage::Next::Back);
        QCOMPARE(p.result(), int(QDialog::Rejected));
    }
    {
        frmRipClienti01 p;
        p.cmdEsci->click();
        QCOMPARE(p.next(), frmBackupPage::Next::End);
    }
    QVERIFY(env.platform().messages.isEmpty());
}

void TestFrmBakClienti::restorePageLoadCreatesMissingArchive() {
    TestEnvironment env;
    QVERIFY(!QFile::exists(env.file("Contatti.edb")));
    frmRipClienti01 p;
    QCOMPARE(p.windowTitle(), QStringLiteral("Ripristino backup archivio dati personali"));
    QVERIFY(QFile::exists(env.file("Contatti.edb")));
    QVERIFY(p.lblInfo01->text().startsWith(QStringLiteral(
        "L'archivio dati personali attualmente in uso misura 0 byte e contiene 0 schede.")));
    QCOMPARE(p.lblCartella->text(), QStringLiteral("Nessun file di backup selezionato"));
    QVERIFY(handsShowChoose(p));
    // So the overwrite question is asked for the restore that follows.
    QVERIFY(TestEnvironment::writeBytes(env.file("b.bkc"), archiveBytes(2)));
    env.platform().queueOpenFile(env.file("b.bkc"));
    p.cmdSelect->click();
    env.platform().queueAnswer(MsgAnswer::Yes);
    p.cmdEffettua->click();
    QCOMPARE(env.platform().messages.first().title, QStringLiteral("Conferma ripristino"));
    QCOMPARE(TestEnvironment::readBytes(env.file("Contatti.edb")), archiveBytes(2));
}

void TestFrmBakClienti::fileChoice() {
    TestEnvironment env;
    frmRipClienti01 p;
    QVERIFY(TestEnvironment::writeBytes(env.file("b.bkc"), archiveBytes(1)));
    env.platform().queueOpenFile(env.file("b.bkc"));
    p.cmdSelect->click();
    const auto &d = env.platform().dialogs.last();
    QCOMPARE(d.kind, QStringLiteral("open"));
    QCOMPARE(d.title, QStringLiteral("Selezionare un file di backup e premere Apri"));
    QCOMPARE(d.filters.size(), 2);
    QCOMPARE(d.filters.at(0).description, QStringLiteral("Backup archivio contatti (*.bkc)"));
    QCOMPARE(d.filters.at(0).patterns, QStringLiteral("*.bkc"));
    QCOMPARE(d.filters.at(1).description, QStringLiteral("Tutti i file (*.*)"));
    QCOMPARE(d.filters.at(1).patterns, QStringLiteral("*.*"));
    QCOMPARE(d.selectedFilter, 0);
    QCOMPARE(d.initialPath, QDir::currentPath());
    QCOMPARE(p.lblCartella->text(), env.file("b.bkc"));
    QVERIFY(p.cmdEffettua->isEnabled());
    QVERIFY(handsShowPerform(p));

    // Cancelled: nothing chosen.
    p.cmdSelect->click();
    QCOMPARE(p.lblCartella->text(), QStringLiteral("Nessun file di backup selezionato"));
    QVERIFY(!p.cmdEffettua->isEnabled());
    QVERIFY(handsShowChoose(p));

    // A folder is not a backup file.
    env.platform().queueOpenFile(env.folder());
    p.cmdSelect->click();
    QCOMPARE(env.platform().messages.size(), 1);
    QCOMPARE(env.platform().messages.first().text, QStringLiteral("File di backup non valido."));
    QCOMPARE(env.platform().messages.first().title, QStringLiteral("Messaggio di errore"));
    QCOMPARE(env.platform().messages.first().icon, MsgIcon::Critical);
    QVERIFY(!p.cmdEffettua->isEnabled());
}

void TestFrmBakClienti::restoreOfANonBackupFile() {
    TestEnvironment env;
    QVERIFY(TestEnvironment::writeBytes(env.file("Contatti.edb"), archiveBytes(5)));
    const QByteArray text = QByteArray("una lettera, non un archivio\n").repeated(100);
    QVERIFY(TestEnvironment::writeBytes(env.file("lettera.txt"), text));
    frmRipClienti01 p;
    QSignalSpy replaced(&p, &frmRipClienti01::archiveReplaced);
    env.platform().queueOpenFile(env.file("lettera.txt"));
    p.cmdSelect->click();
    env.platform().queueAnswer(MsgAnswer::Yes);  // its size is announced: restore anyway
    env.platform().queueAnswer(MsgAnswer::Yes);
    p.cmdEffettua->click();
    QVERIFY(env.platform().messages.first().text.contains(QStringLiteral("misura 2900 byte")));
    QCOMPARE(replaced.count(), 1);
    QCOMPARE(TestEnvironment::readBytes(env.file("Contatti.edb")), text);
    QCOMPARE(ArchiveStore().recordCount(), 2);  // 2900 bytes: two whole records
    QCOMPARE(env.platform().messages.last().text,
             QStringLiteral("File di backup ripristinato con successo."));
    QCOMPARE(env.platform().messages.last().title, QStringLiteral("Ripristino terminato"));
    QCOMPARE(p.result(), int(QDialog::Accepted));
}

void TestFrmBakClienti::restoreWhoseCopyFailsKeepsArchive() {
    TestEnvironment env;
    const QByteArray bytes = archiveBytes(5);
    QVERIFY(TestEnvironment::writeBytes(env.file("Contatti.edb"), bytes));
    QVERIFY(TestEnvironment::writeBytes(env.file("b.bkc"), archiveBytes(1)));
    frmRipClienti01 p;
    QSignalSpy replaced(&p, &frmRipClienti01::archiveReplaced);
    env.platform().queueOpenFile(env.file("b.bkc"));
    p.cmdSelect->click();
    QVERIFY(QFile::remove(env.file("b.bkc")));  // the stick was pulled out meanwhile
    env.platform().queueAnswer(MsgAnswer::Yes);
    p.cmdEffettua->click();
    QCOMPARE(TestEnvironment::readBytes(env.file("Contatti.edb")), bytes);
    QCOMPARE(replaced.count(), 0);
    QCOMPARE(env.platform().messages.size(), 2);
    QCOMPARE(env.platform().messages.last().title, QStringLiteral("Ripristino non riuscito"));
    QVERIFY(env.platform().messages.last().text.startsWith(
        QStringLiteral("Impossibile effettuare il ripristino.\r\n\r\n")));
    QCOMPARE(p.result(), int(QDialog::Rejected));
    QCOMPARE(QDir(env.folder()).entryList(QDir::Files | QDir::Hidden),
             QStringList{QStringLiteral("Contatti.edb")});
}

void TestFrmBakClienti::wizardGoesBackToAFreshFirstPage() {
    TestEnvironment env;
    QStringList shown;
    // Drives each modal page as it comes up.
    int step = 0;
    QTimer driver;
    driver.setInterval(10);
    QObject::connect(&driver, &QTimer::timeout, [&] {
        QWidget *w = QApplication::activeModalWidget();
        if (!w) return;
        shown << w->objectName();
        switch (step++) {
            case 0:
                static_cast<frmBakClienti *>(w)->optRipDDT->click();
                static_cast<frmBakClienti *>(w)->cmdAvanti->click();
                break;
            case 1:
                static_cast<frmRipClienti01 *>(w)->cmdIndietro->click();
                break;
            case 2: {
                auto *f = static_cast<frmBakClienti *>(w);
                // A new first page: no option chosen, next disabled.
                if (f->optRipDDT->isChecked() || f->cmdAvanti->isEnabled())
                    shown << QStringLiteral("not fresh");
                f->optBakDDT->click();
                f->cmdAvanti->click();
                break;
            }
            case 3:
                static_cast<frmBakClienti01 *>(w)->cmdEsci->click();
                break;
            default:
                w->close();
        }
    });
    driver.start();
    bool replaced = false;
    BackupWizard::run(nullptr, [&] { replaced = true; });
    driver.stop();
    QCOMPARE(shown,
             (QStringList{QStringLiteral("frmBakClienti"), QStringLiteral("frmRipClienti01"),
                          QStringLiteral("frmBakClienti"), QStringLiteral("frmBakClienti01")}));
    QVERIFY(!replaced);
    QVERIFY(!QApplication::activeModalWidget());
}

void TestFrmBakClienti::pagesLookRight() {
    TestEnvironment env;
    QVERIFY(TestEnvironment::writeBytes(env.file("Contatti.edb"), archiveBytes(3)));
    const QString out = qEnvironmentVariable("CARTAFLEX_GRAB_DIR");
    frmBakClienti f;
    f.optBakDDT->click();
    frmBakClienti01 b;
    env.platform().queueFolder(QStringLiteral("/media/chiavetta"));
    b.cmdSelect->click();
    frmRipClienti01 r;
    for (QDialog *d : std::initializer_list<QDialog *>{&f, &b, &r}) {
        d->show();
        QVERIFY(QTest::qWaitForWindowExposed(d));
        for (QWidget *c : d->findChildren<QWidget *>())
            if (c->isVisibleTo(d) && c->parentWidget() == d)
                QVERIFY2(d->rect().contains(c->geometry()),
                         qPrintable(d->objectName() + u'.' + c->objectName()));
        if (!out.isEmpty()) d->grab().save(out + u'/' + d->objectName() + QStringLiteral(".png"));
        d->hide();
    }
}

QTEST_MAIN(TestFrmBakClienti)
#include "tst_frmBakClienti_backup.moc"
