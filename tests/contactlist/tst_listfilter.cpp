#include <QTest>

#include "archive/ContactRecord.h"
#include "contactlist/ListFilter.h"

class TestListFilter : public QObject {
    Q_OBJECT
private slots:
    // The filter rule of the list and of `cartaflex-cli list --filter`.
    void filterRule_data() {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<bool>("kept");
        QTest::newRow("empty filter") << "" << true;
        QTest::newRow("blanks only") << "   " << true;
        QTest::newRow("no accents, no case") << "niccolo forli" << true;
        QTest::newRow("accents and capitals typed") << QString::fromUtf8("NICCOLÒ FORLÌ") << true;
        QTest::newRow("words in any order and column") << "avvocato  bianchi" << true;
        QTest::newRow("one word missing") << "bianchi milano" << false;
        QTest::newRow("a word may not span two columns") << "bianchiavv" << false;
        QTest::newRow("the address is not shown") << "garibaldi" << false;
        QTest::newRow("phone digits with the blank typed") << "0543 72" << true;
        QTest::newRow("phone digits without its blanks") << "054372001" << true;
        QTest::newRow("phone digits with a dash") << "0543-720" << true;
        QTest::newRow("mobile digits") << "3331234" << true;
        QTest::newRow("phone digits not there") << "0543999" << false;
        QTest::newRow("a dash is no blank outside phones") << "avv-ocato" << false;
        QTest::newRow("e-mail") << "esempio.it" << true;
        QTest::newRow("VAT number") << "0123456" << true;
        QTest::newRow("character outside the code page") << QString::fromUtf8("Łódź") << false;
    }
    void filterRule() {
        QFETCH(QString, filter);
        QFETCH(bool, kept);
        ContactRecord r;
        r.setValue(ContactRecord::Titolo, QString::fromUtf8("Niccolò Bianchi"));
        r.setValue(ContactRecord::Sottotitolo, QStringLiteral("Avvocato"));
        r.setValue(ContactRecord::Indirizzo, QStringLiteral("Via Garibaldi 3"));
        r.setValue(ContactRecord::Citta, QString::fromUtf8("47121 Forlì (FC)"));
        r.setValue(ContactRecord::Iva, QStringLiteral("01234567890"));
        r.setValue(ContactRecord::Tel, QStringLiteral("0543 720012"));
        r.setValue(ContactRecord::Cel, QStringLiteral("333 123 4567"));
        r.setValue(ContactRecord::Email, QStringLiteral("studio@esempio.it"));
        QCOMPARE(ListFilter(filter).matchesRecord(r.encode().constData()), kept);
    }
};

QTEST_GUILESS_MAIN(TestListFilter)
#include "tst_listfilter.moc"
