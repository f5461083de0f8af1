#include <QFile>
#include <QTest>

#include "archive/ArchiveStore.h"
#include "contactfiles/ContactExport.h"
#include "contactfiles/ContactImport.h"
#include "support/TestEnvironment.h"

namespace {

ContactRecord record(const QStringList &values) {
    ContactRecord r;
    for (int i = 0; i < values.size(); ++i) r.setValue(ContactRecord::Field(i), values.at(i));
    return r;
}

// Contacts whose values need the formats' quoting and escapes.
QList<ContactRecord> awkwardContacts() {
    return {record({"Rossi; Figli & C.", "Bar \"Il Sole\"", "Via Roma, 3", "47121 Forlì (FC)",
                    "01234567890", "0543 1", "0543 2", "333 3", "m@r.it",
                    "backslash \\ e punto e virgola ;", "www.r.it"}),
            record({"Città di Castello", "", "", "Roma"}),
            record({"Un nome lungo trenta caratteri", "Specialità € ß",
                    "Corso Vittorio "
                    "Emanuele II 123456789",
                    "06012 Città di Castello (PG)", "", "+39 06 1", "", "", "",
                    "  spazi  interni  ", "http://www.esempio.it/una/pagina"}),
            record({"Solo nome"})};
}

}  // namespace

class TestContactExport : public QObject {
    Q_OBJECT
private slots:
    void csvBytes() {
        TestEnvironment env;
        ArchiveStore store(env.folder());
        store.appendRecord(awkwardContacts().first());
        ContactExport exporter;
        QVERIFY(exporter.write(store, env.file("c.csv"), ContactExport::Format::Csv));
        QCOMPARE(TestEnvironment::readBytes(env.file("c.csv")),
                 QByteArray("\xEF\xBB\xBFPersona o azienda;Specialit\xC3\xA0;Indirizzo;"
                            "Citt\xC3\xA0;Partita IVA;Telefono;Fax;Cellulare;E-mail;"
                            "Informazioni aggiuntive;Sito Web\r\n"
                            "\"Rossi; Figli & C.\";\"Bar \"\"Il Sole\"\"\";Via Roma, 3;"
                            "47121 Forl\xC3\xAC (FC);01234567890;0543 1;0543 2;333 3;m@r.it;"
                            "\"backslash \\ e punto e virgola ;\";www.r.it\r\n"));
        QCOMPARE(exporter.message(), QStringLiteral("Esportati 1 contatti nel file c.csv."));
    }

    void vcardBytes() {
        TestEnvironment env;
        ArchiveStore store(env.folder());
        store.appendRecord(awkwardContacts().first());
        ContactExport exporter;
        QVERIFY(exporter.write(store, env.file("c.vcf"), ContactExport::Format::Vcard));
        QCOMPARE(
            TestEnvironment::readBytes(env.file("c.vcf")),
            QByteArray("BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Rossi\\; Figli & C.\r\n"
                       "N:Rossi\\; Figli & C.;;;;\r\nORG:Rossi\\; Figli & C.\r\n"
                       "TITLE:Bar \"Il Sole\"\r\nADR;TYPE=WORK:;;Via Roma\\, 3;Forl\xC3\xAC;"
                       "FC;47121;\r\nTEL;TYPE=WORK,VOICE:0543 1\r\nTEL;TYPE=WORK,FAX:0543 2\r\n"
                       "TEL;TYPE=CELL:333 3\r\nEMAIL;TYPE=INTERNET:m@r.it\r\nURL:www.r.it\r\n"
                       "NOTE:backslash \\\\ e punto e virgola \\;\r\n"
                       "X-PARTITA-IVA:01234567890\r\nEND:VCARD\r\n"));
    }

    // Export, then import into an empty archive: the same contacts; a search result
    // exports its records only.
    void roundTrip_data() {
        QTest::addColumn<int>("format");
        QTest::newRow("CSV") << int(ContactExport::Format::Csv);
        QTest::newRow("vCard") << int(ContactExport::Format::Vcard);
    }
    void roundTrip() {
        QFETCH(int, format);
        TestEnvironment env;
        ArchiveStore store(env.folder());
        for (const ContactRecord &r : awkwardContacts()) store.appendRecord(r);
        const QString path = env.file("contatti.out");
        ContactExport exporter;
        QVERIFY(exporter.write(store, path, ContactExport::Format(format)));

        QDir(env.folder()).mkdir("vuoto");
        ArchiveStore empty(env.file("vuoto"));
        ContactImport import(empty);
        QVERIFY(import.open(path));
        QVERIFY2(import.run(ContactImport::Choice::NewOnly), qPrintable(import.message()));
        QCOMPARE(import.toCheck(), 0);
        QList<ContactRecord> expected;
        for (const ContactRecord &r : awkwardContacts()) expected << r.normalized();
        QCOMPARE(empty.readAll(), expected);

        exporter.restrictTo({2, 4});
        QVERIFY(exporter.write(store, path, ContactExport::Format(format)));
        QCOMPARE(exporter.written(), 2);
    }

    // A failed export leaves the file that was there.
    void failedExportKeepsTheOldFile() {
        TestEnvironment env;
        ArchiveStore store(env.file("manca"));  // an archive folder that does not exist
        TestEnvironment::writeBytes(env.file("c.csv"), "vecchio");
        ContactExport exporter;
        QVERIFY(!exporter.write(store, env.file("c.csv"), ContactExport::Format::Csv));
        QVERIFY(exporter.message().startsWith(QStringLiteral("Impossibile scrivere il file")));
        QCOMPARE(TestEnvironment::readBytes(env.file("c.csv")), QByteArray("vecchio"));
    }
};

QTEST_GUILESS_MAIN(TestContactExport)
#include "tst_contactexport.moc"
