#include <QTest>

#include "archive/ArchiveStore.h"
#include "contactfiles/ContactExportRequest.h"
#include "contactfiles/frmImporta.h"
#include "support/TestEnvironment.h"

namespace {

ContactRecord contact(const char *name, const char *city) {
    ContactRecord r;
    r.setValue(ContactRecord::Titolo, QString::fromUtf8(name));
    r.setValue(ContactRecord::Citta, QString::fromUtf8(city));
    return r;
}

QStringList column(const QAbstractItemModel *model, int c) {
    QStringList out;
    for (int r = 0; r < model->rowCount(); ++r) out << model->index(r, c).data().toString();
    return out;
}

}  // namespace

class TestFrmImporta : public QObject {
    Q_OBJECT
private slots:
    // The preview lists each contact with its status; the choice decides what is written,
    // and the closing count says what happened.
    void previewAndImport_data() {
        QTest::addColumn<bool>("all");
        QTest::addColumn<QString>("closing");
        QTest::addColumn<int>("count");
        QTest::newRow("new only, proposed")
            << false << "Importati 2 contatti, 1 già presenti." << 3;
        QTest::newRow("all") << true << "Importati 3 contatti, 1 già presenti." << 4;
    }
    void previewAndImport() {
        QFETCH(bool, all);
        QFETCH(QString, closing);
        QFETCH(int, count);
        TestEnvironment env;
        ArchiveStore store(env.folder());
        store.appendRecord(contact("Rossi", "Roma"));
        const QString path = env.file("rubrica.vcf");
        TestEnvironment::writeBytes(path,
                                    "BEGIN:VCARD\nFN:rossi\nADR:;;;Roma;;;\nEND:VCARD\n"
                                    "BEGIN:VCARD\nFN:Bianchi\nEND:VCARD\n"
                                    "BEGIN:VCARD\nFN:Studio Associato Commercialisti Verdi\n"
                                    "END:VCARD\n");
        frmImporta window(store, path);
        QVERIFY(window.loadPreview());
        QCOMPARE(column(window.model(), 0),
                 QStringList({"già presente", "nuovo", "da controllare"}));
        QCOMPARE(window.model()->index(2, 5).data().toString(),
                 QStringLiteral("Persona o azienda: tagliato a 30 caratteri"));
        QCOMPARE(window.lblFile->text(), QStringLiteral("File: rubrica.vcf (vCard, UTF-8)"));
        QVERIFY(window.optNuovi->isChecked());
        if (all) window.optTutti->setChecked(true);
        QTest::mouseClick(window.cmdImporta, Qt::LeftButton);
        QCOMPARE(env.platform().lastMessage()->text, closing);
        QCOMPARE(store.recordCount(), count);
        QCOMPARE(window.result(), int(QDialog::Accepted));
    }

    void unsoundFileShowsItsMessage() {
        TestEnvironment env;
        ArchiveStore store(env.folder());
        store.appendRecord(contact("Rossi", "Roma"));
        const QByteArray before = TestEnvironment::readBytes(store.archivePath());
        TestEnvironment::writeBytes(env.file("c.vcf"), "BEGIN:VCARD\nFN:Verdi\n");
        frmImporta window(store, env.file("c.vcf"));
        QVERIFY(!window.loadPreview());
        QVERIFY(env.platform().lastMessage()->text.contains(QStringLiteral("END:VCARD")));
        QCOMPARE(env.platform().lastMessage()->title, QStringLiteral("Importazione contatti"));
        QCOMPARE(TestEnvironment::readBytes(store.archivePath()), before);
    }

    // The export asks where to write; it returns what to tell the user, nothing when the
    // user cancelled, a warning naming the file when it cannot be written.
    void exportAsksWhereAndSaysHowItWent() {
        TestEnvironment env;
        ArchiveStore store(env.folder());
        store.appendRecord(contact("Rossi", "Roma"));
        QVERIFY(ContactExportRequest::run(store, ContactExport::Format::Vcard).isEmpty());
        env.platform().queueSaveFile(env.file("out.vcf"));
        Message done = ContactExportRequest::run(store, ContactExport::Format::Vcard);
        QCOMPARE(done.text, QStringLiteral("Esportati 1 contatti nel file out.vcf."));
        QCOMPARE(done.icon, MsgIcon::Information);
        QCOMPARE(done.title, QStringLiteral("Esportazione contatti"));
        QVERIFY(TestEnvironment::readBytes(env.file("out.vcf")).startsWith("BEGIN:VCARD"));
        const QString nowhere = env.file("manca/out.csv");
        env.platform().queueSaveFile(nowhere);
        done = ContactExportRequest::run(store, ContactExport::Format::Csv);
        QVERIFY(done.text.startsWith(QStringLiteral("Impossibile scrivere il file ") + nowhere));
        QCOMPARE(done.icon, MsgIcon::Critical);
        QVERIFY(env.platform().messages.isEmpty());
    }
};

QTEST_MAIN(TestFrmImporta)
#include "tst_frmImporta.moc"
