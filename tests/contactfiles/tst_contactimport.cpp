#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTest>

#include "archive/ArchiveStore.h"
#include "archive/SearchKey.h"
#include "contactfiles/ContactImport.h"
#include "contactfiles/DuplicateIndex.h"
#include "support/TestEnvironment.h"

namespace {

// Titolo to Web of a record, "|"-joined, trailing empty fields left out.
QString summary(const ContactRecord &r) {
    QStringList v;
    for (int i = 0; i <= ContactRecord::Web; ++i) v << r.value(ContactRecord::Field(i));
    while (!v.isEmpty() && v.last().isEmpty()) v.removeLast();
    return v.join(u'|');
}

QByteArray cp1252(const char *utf8) {
    QByteArray out;
    for (QChar c : QString::fromUtf8(utf8)) out += char(c.unicode() < 256 ? c.unicode() : '?');
    return out;
}

ContactRecord contact(const char *name, const char *city, const char *vat = "") {
    ContactRecord r;
    r.setValue(ContactRecord::Titolo, QString::fromUtf8(name));
    r.setValue(ContactRecord::Citta, QString::fromUtf8(city));
    r.setValue(ContactRecord::Iva, QString::fromUtf8(vat));
    return r;
}

struct Imported {
    bool ok = false;
    QString message;
    QStringList rows;  // "status: summary"
};

Imported previewOf(TestEnvironment &env, const QByteArray &bytes) {
    const QString path = env.file(QStringLiteral("contatti.txt"));
    TestEnvironment::writeBytes(path, bytes);
    ArchiveStore store(env.folder());
    ContactImport import(store);
    Imported out;
    out.ok = import.open(path) && import.preview([&](const ImportRow &row) {
        out.rows << ImportRow::statusText(row.status) + QStringLiteral(": ") + summary(row.record);
    });
    out.message = import.message();
    return out;
}

}  // namespace

class TestContactImport : public QObject {
    Q_OBJECT
private slots:
    // The duplicate rule's fingerprint takes two names as one exactly when the search
    // would: the same normalisation of blanks and the same folding of letters.
    void duplicateFingerprintFollowsTheSearch_data() {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::newRow("blanks around and inside") << "Studio  Rossi"
                                                  << "  Studio Rossi ";
        QTest::newRow("capitals") << "STUDIO ROSSI"
                                  << "studio rossi";
        QTest::newRow("accented capitals") << "CITTÀ DI CASTELLO"
                                           << "città di castello";
        QTest::newRow("accent or none") << "Città"
                                        << "Citta";
        QTest::newRow("letters outside the code page") << "Dvořák"
                                                       << "DVOŘÁK";
        QTest::newRow("a tab is not a blank") << "Studio\tRossi"
                                              << "Studio Rossi";
        QTest::newRow("different names") << "Rossi"
                                         << "Rosso";
        QTest::newRow("sharp s") << "Straße"
                                 << "STRASSE";
    }
    void duplicateFingerprintFollowsTheSearch() {
        QFETCH(QString, a);
        QFETCH(QString, b);
        const auto searched = [](const QString &t) {
            return SearchKey::fold(SearchKey::normalizeKey(t));
        };
        QCOMPARE(DuplicateIndex::fingerprint(a) == DuplicateIndex::fingerprint(b),
                 searched(a) == searched(b));
    }

    // Real-looking files of every style the import reads, and the records they give.
    void files_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("rows");
        const QString forli = QStringLiteral(
            "nuovo: Mario Rossi|Rossi & C.|Via Emilia 1|"
            "47121 Forlì (FC)||0543 1|0543 2|333 3|m@r.it|"
            "due righe|www.r.it");
        QTest::newRow("webmail, UTF-8 with BOM, commas")
            << QByteArray(
                   "\xEF\xBB\xBFName,Given Name,Family Name,Organization 1 - Name,"
                   "E-mail 1 - Value,Phone 1 - Type,Phone 1 - Value,Phone 2 - Type,"
                   "Phone 2 - Value,Phone 3 - Type,Phone 3 - Value,Address 1 - Street,"
                   "Address 1 - City,Address 1 - Postal Code,Address 1 - Region,"
                   "Website 1 - Value,Notes\r\n"
                   ",Mario,Rossi,Rossi & C.,m@r.it ::: altro@r.it,Work,0543 1,Work Fax,"
                   "0543 2,Mobile,333 3,Via Emilia 1,Forl\xC3\xAC,47121,FC,www.r.it,"
                   "\"due\nrighe\"\r\n")
            << QStringList{forli};
        QTest::newRow("desktop mail program, Windows-1252, semicolons")
            << cp1252(
                   "First Name;Last Name;Company;Job Title;Business Street;Business City;"
                   "Business Postal Code;Business State;Business Phone;Business Fax;"
                   "Mobile Phone;E-mail Address;Web Page;Notes\r\n"
                   "Mario;Rossi;Rossi & C.;;Via Emilia 1;Forlì;47121;FC;0543 1;0543 2;"
                   "333 3;m@r.it;www.r.it;\"due\r\nrighe\"\r\n")
            << QStringList{forli};
        QTest::newRow("spreadsheet export titles, TAB, quotes doubled")
            << QByteArray(
                   "Persona o azienda\tSpecialit\xC3\xA0\tCitt\xC3\xA0\tPartita IVA\t"
                   "Telefono\n\"Bar \"\"Il Sole\"\"\"\t\"Caff\xC3\xA8\tpasticceria\"\t"
                   "Roma\t01234567890\t06 1\n")
            << QStringList{QStringLiteral("nuovo: Bar \"Il Sole\"|Caffè pasticceria||Roma|"
                                          "01234567890|06 1")};
        QTest::newRow("field names, a blank line, an unknown column")
            << QByteArray("Titolo;Colore;Cel\r\nVerdi;rosso;333\r\n;;\r\nNeri;;\r\n")
            << QStringList{QStringLiteral("nuovo: Verdi|||||||333"), QStringLiteral("nuovo: Neri")};
        QTest::newRow("one column: commas are part of the name")
            << QByteArray("Titolo\r\nRossi, Mario\r\nBar, Caff\xE8, Gelati\r\n")
            << QStringList{QStringLiteral("nuovo: Rossi, Mario"),
                           QString::fromUtf8("nuovo: Bar, Caffè, Gelati")};
        QTest::newRow("semicolons, commas only inside a quoted title")
            << QByteArray("Titolo;\"Note, varie, altro\"\nRossi, Mario;x\n")
            << QStringList{QStringLiteral("nuovo: Rossi, Mario")};
        QTest::newRow("two columns for one field: the first filled one wins")
            << QByteArray(
                   "Titolo;Persona o azienda;Email;E-mail\nRossi;Bianchi;a@x.it;b@x.it\n"
                   ";Verdi;;c@x.it\n")
            << QStringList{QStringLiteral("nuovo: Rossi||||||||a@x.it"),
                           QStringLiteral("nuovo: Verdi||||||||c@x.it")};
        QTest::newRow("vCard 2.1 of a phone: quoted-printable, CHARSET, bare types")
            << QByteArray(
                   "BEGIN:VCARD\r\nVERSION:2.1\r\nN;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:"
                   "Rossi;Mario;;;\r\nTEL;CELL;PREF:333 3\r\nTEL;WORK:0543 1\r\n"
                   "TEL;FAX:0543 2\r\nADR;WORK;CHARSET=ISO-8859-1;ENCODING=QUOTED-PRINTABLE:"
                   ";;Via Emilia 1;Forl=EC;FC;47121;Italia\r\nNOTE;ENCODING=QUOTED-PRINTABLE:"
                   "due =\r\nrighe\r\nORG:Rossi & C.\r\nEMAIL;INTERNET:m@r.it\r\n"
                   "URL:www.r.it\r\nPHOTO;ENCODING=BASE64;TYPE=JPEG:/9j/4AAQSkZJRgABAQ\r\n"
                   " AAAQABAAD\r\n\r\nEND:VCARD\r\n")
            << QStringList{forli};
        QTest::newRow("vCard 3.0: folded lines, escapes, two cards, the work address")
            << QByteArray(
                   "BEGIN:VCARD\nVERSION:3.0\nFN:Studio Bianchi\\, Verdi\nN:Bianchi;Luca\n"
                   "TITLE:Commercialista\nADR;TYPE=HOME:;;Via Casa 9;Bologna;BO;40100;\n"
                   "ADR;TYPE=WORK,PREF:;;Via Roma 3;Milano;MI;20121;Italia\n"
                   "NOTE:uno\\ndue e una nota che va a cap\n o\nX-PARTITA-IVA:123\n"
                   "END:VCARD\nBEGIN:VCARD\nVERSION:3.0\nFN:Anna\nEND:VCARD\n")
            << QStringList{
                   QStringLiteral("nuovo: Studio Bianchi, Verdi|Commercialista|Via Roma 3|"
                                  "20121 Milano (MI)|123|||||uno due e una nota che va a capo"),
                   QStringLiteral("nuovo: Anna")};
        QTest::newRow("vCard 4.0: quoted TYPE, tel: address, a card inside the card")
            << QByteArray(
                   "BEGIN:VCARD\r\nVERSION:4.0\r\nFN:Giulia Neri\r\n"
                   "TEL;VALUE=uri;TYPE=\"voice,cell\":tel:+39-333-7\r\n"
                   "AGENT:BEGIN:VCARD\r\nFN:Segretaria\r\nEND:VCARD\r\n"
                   "item1.EMAIL;TYPE=work:g@n.it\r\nEND:VCARD\r\n")
            << QStringList{QStringLiteral("nuovo: Giulia Neri|||||||+39-333-7|g@n.it")};
        QTest::newRow("vCard 4.0: a tel: address with its extension, letters outside the code page")
            << QByteArray(
                   "BEGIN:VCARD\r\nVERSION:4.0\r\nFN:\xC5\x81ukasz Wo\xC5\x82oszy\xC5\x84ski\r\n"
                   "TEL;TYPE=pager:051 9\r\nTEL;VALUE=uri;TYPE=work:tel:+39-051-123;ext=45\r\n"
                   "EMAIL:\"\xC5\x81ukasz W.\" <lw@example.pl>\r\nEND:VCARD\r\n")
            << QStringList{QStringLiteral(
                   "da controllare: Lukasz Woloszynski|||||+39-051-123 int. 45|||lw@example.pl")};
        QTest::newRow("Italian desktop mail program, older titles, a courtesy title")
            << cp1252(
                   "\"Titolo personale\",\"Nome\",\"Cognome\",\"Società\",\"Posizione\","
                   "\"Indirizzo posta elettronica\",\"Via (uff.)\",\"Città (uff.)\","
                   "\"Provincia (uff.)\",\"CAP (uff.)\",\"Telefono (uff.)\"\r\n"
                   "\"Dott.\",\"Mario\",\"Rossi\",\"Rossi & C.\",\"Notaio\",\"m@r.it\","
                   "\"Via Emilia 1\",\"Forlì\",\"FC\",\"47121\",\"0543 1\"\r\n")
            << QStringList{
                   QStringLiteral("nuovo: Dott. Mario Rossi|Notaio, Rossi & C.|Via Emilia 1|"
                                  "47121 Forlì (FC)||0543 1|||m@r.it")};
        QTest::newRow("the webmail's Italian titles of that export, in its own capitals")
            << QByteArray(
                   "Titolo,Nome,Secondo Nome,Cognome,Suffisso,Societ\xC3\xA0,Reparto,Qualifica,"
                   "Indirizzo di lavoro,Citt\xC3\xA0 di lavoro,CAP di Lavoro,Telefono di Lavoro,"
                   "Fax di Lavoro,Telefono Mobile,Indirizzo E-mail\n"
                   "Avv.,Laura,Maria,Sanna,,Studio Sanna,,Avvocato,Via Dante 2,Nuoro,08100,"
                   "0784 1,0784 2,333 3,l@s.it\n")
            << QStringList{QStringLiteral("nuovo: Avv. Laura Maria Sanna|Avvocato, Studio Sanna|"
                                          "Via Dante 2|08100 Nuoro||0784 1|0784 2|333 3|l@s.it")};
        QTest::newRow("CSV: control characters never reach the archive")
            << QByteArray(
                   "Display Name,Notes\r\nA\x01"
                   "B,\"x\x7fy\xC2\x85z\"\r\n")
            << QStringList{QStringLiteral("nuovo: A B|||||||||x y z")};
    }
    void files() {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, rows);
        TestEnvironment env;
        const Imported got = previewOf(env, bytes);
        QVERIFY2(got.ok, qPrintable(got.message));
        QCOMPARE(got.rows, rows);
    }

    // The duplicate rule and the rows to be checked.
    void status_data() {
        QTest::addColumn<QByteArray>("csv");
        QTest::addColumn<QString>("expected");
        QTest::newRow("same VAT number, other name")
            << QByteArray("Titolo;Iva\nAltro nome;01234567890\n") << "già presente";
        QTest::newRow("same name and town, other case and blanks")
            << QByteArray("Titolo;Citta\n  rossi   MARIO ;20121  milano\n") << "già presente";
        QTest::newRow("same name, other town")
            << QByteArray("Titolo;Citta\nRossi Mario;Roma\n") << "nuovo";
        QTest::newRow("a name longer than its field")
            << QByteArray("Titolo\nStudio Associato Commercialisti Bianchi\n") << "da controllare";
        QTest::newRow("a character the archive cannot hold")
            << QByteArray("Titolo\nAgenzia \xE2\x98\x85\n") << "da controllare";
        QTest::newRow("the same contact twice in the file")
            << QByteArray("Titolo\nVerdi\nVerdi\n") << "già presente";
        QByteArray many("Titolo;Iva\n");
        for (int i = 1; i <= 5000; ++i) many += "Nome " + QByteArray::number(i) + ";\n";
        QTest::newRow("a contact seen thousands of contacts before") << many + "nome 7;\n"
                                                                     << "già presente";
        QTest::newRow("a contact after thousands of others") << many + "Nome 5001;\n"
                                                             << "nuovo";
    }
    void status() {
        QFETCH(QByteArray, csv);
        QFETCH(QString, expected);
        TestEnvironment env;
        ArchiveStore store(env.folder());
        QCOMPARE(store.appendRecord(contact("Rossi Mario", "20121 Milano", "01234567890")), 1);
        const Imported got = previewOf(env, csv);
        QVERIFY2(got.ok, qPrintable(got.message));
        QVERIFY(got.rows.last().startsWith(expected + u':'));
    }

    // New only by default, everything on request; one closing count.
    void choice_data() {
        QTest::addColumn<bool>("all");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("message");
        QTest::newRow("new only") << false << 2 << "Importati 1 contatti, 1 già presenti.";
        QTest::newRow("all") << true << 3 << "Importati 2 contatti, 1 già presenti.";
    }
    void choice() {
        QFETCH(bool, all);
        QFETCH(int, count);
        QFETCH(QString, message);
        TestEnvironment env;
        ArchiveStore store(env.folder());
        store.appendRecord(contact("Rossi", "Roma"));
        const QString path = env.file(QStringLiteral("c.csv"));
        TestEnvironment::writeBytes(path, "Titolo;Citta\nRossi;Roma\nBianchi;Roma\n");
        ContactImport import(store);
        QVERIFY(import.open(path));
        QVERIFY(import.run(all ? ContactImport::Choice::All : ContactImport::Choice::NewOnly));
        QCOMPARE(import.message(), message);
        QCOMPARE(store.recordCount(), count);
        QStringList names;
        for (const ContactRecord &r : store.readAll()) names << r.titolo();
        QCOMPARE(names.join(u','), all ? QStringLiteral("Rossi,Rossi,Bianchi") : "Rossi,Bianchi");
    }

    // Files that cannot be imported: the message, and the archive as it was, byte for byte.
    void badFiles_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("message");
        QTest::newRow("neither CSV nor vCard")
            << QByteArray("Caro Mario,\nti scrivo per...\n") << "intestazioni di colonna";
        QTest::newRow("CSV without a name column")
            << QByteArray("Telefono;Fax\n06 1;06 2\n") << "intestazioni di colonna";
        QTest::newRow("truncated vCard")
            << QByteArray("BEGIN:VCARD\nFN:A\nEND:VCARD\nBEGIN:VCARD\nFN:B\nTEL:06")
            << "riga 4 non termina";
        QTest::newRow("text after the cards")
            << QByteArray("BEGIN:VCARD\nFN:A\nEND:VCARD\nciao\n") << "riga 4 è fuori";
        QTest::newRow("unclosed quote") << QByteArray("Titolo\n\"Rossi\n") << "non è chiuso";
        QTest::newRow("a stray quote is kept, an unclosed one is not")
            << QByteArray("Titolo;Info\nPizza 12\" grande;\"x\n") << "non è chiuso";
        QTest::newRow("NUL bytes") << QByteArray("Titolo\nRos\0si\n", 14) << "caratteri nulli";
        QTest::newRow("a NUL character in UTF-16")
            << QByteArray("\xFF\xFET\0i\0t\0o\0l\0o\0\n\0R\0\0\0s\0\n\0", 22) << "caratteri nulli";
        QTest::newRow("empty") << QByteArray("\xEF\xBB\xBF \r\n") << "è vuoto";
        QTest::newRow("header only") << QByteArray("Titolo;Tel\n") << "nessun contatto";
    }
    void badFiles() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, message);
        TestEnvironment env;
        ArchiveStore store(env.folder());
        store.appendRecord(contact("Rossi", "Roma"));
        QFile::resize(store.archivePath(), ContactRecord::kRecordLength + 100);  // a partial tail
        const QByteArray before = TestEnvironment::readBytes(store.archivePath());
        const QString path = env.file(QStringLiteral("c.txt"));
        TestEnvironment::writeBytes(path, bytes);
        ContactImport import(store);
        QVERIFY(!(import.open(path) && import.run(ContactImport::Choice::All)));
        QVERIFY2(import.message().contains(message), qPrintable(import.message()));
        QCOMPARE(TestEnvironment::readBytes(store.archivePath()), before);
        QVERIFY(!QFile::exists(env.file(QStringLiteral("Archivio.tmp"))));
    }

    void unreadableAndLargeFiles() {
        TestEnvironment env;
        ArchiveStore store(env.folder());
        ContactImport import(store);
        QVERIFY(!import.open(env.file(QStringLiteral("manca.csv"))));
        QVERIFY(
            import.message().startsWith(QStringLiteral("Impossibile leggere il file manca.csv")));
        QVERIFY(!import.open(env.folder()));
        QVERIFY(import.message().contains(QStringLiteral("cartella")));
        // 200 MB (a sparse file): refused from its size, without reading it.
        const QString big = env.file(QStringLiteral("grande.csv"));
        QFile f(big);
        QVERIFY(f.open(QIODevice::WriteOnly) && f.resize(qint64(200) << 20));
        f.close();
        QElapsedTimer t;
        t.start();
        QVERIFY(!import.open(big));
        QVERIFY(t.elapsed() < 200);
        QCOMPARE(import.message(),
                 QString::fromUtf8("Il file grande.csv è troppo grande per "
                                   "essere importato (200 MB; al massimo 100 MB)."));
    }
};

QTEST_GUILESS_MAIN(TestContactImport)
#include "tst_contactimport.moc"
