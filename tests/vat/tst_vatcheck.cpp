#include <QProcess>
#include <QTest>
#include <iterator>

#include "vat/VatCheck.h"
#include "vat/VatOffices.h"

namespace {

// Completes ten characters with their right check digit.
QString withCheckDigit(const QString &ten) {
    return ten + QString::number(VatCheck::expectedCheckDigit(ten));
}

}  // namespace

class TestVatCheck : public QObject {
    Q_OBJECT
private slots:
    void officeTable() {
        QCOMPARE(VatOffices::kRowCount, 104);
        // "001" to "102" without gaps, then "120" and "121".
        for (int i = 0; i < 102; ++i)
            QCOMPARE(VatOffices::codeAt(i),
                     QStringLiteral("%1").arg(i + 1, 3, 10, QLatin1Char('0')));
        QCOMPARE(VatOffices::codeAt(102), QStringLiteral("120"));
        QCOMPARE(VatOffices::codeAt(103), QStringLiteral("121"));
        QCOMPARE(VatOffices::codeAt(104), QString());
        for (int i = 0; i < VatOffices::kRowCount; ++i)
            QVERIFY2(!VatOffices::nameAt(i).isEmpty(), qPrintable(VatOffices::codeAt(i)));
    }

    // Every office of the table by its code, and codes that have none.
    void officeNames_data() {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("name");
        static const char *const kOffices[] = {"001\tTorino",
                                               "002\tVercelli",
                                               "003\tNovara",
                                               "004\tCuneo",
                                               "005\tAsti",
                                               "006\tAlessandria",
                                               "007\tAosta",
                                               "008\tImperia",
                                               "009\tSavona",
                                               "010\tGenova 1",
                                               "011\tLa Spezia",
                                               "012\tVarese",
                                               "013\tComo",
                                               "014\tSondrio",
                                               "015\tMilano 1",
                                               "016\tBergamo",
                                               "017\tBrescia 1",
                                               "018\tPavia",
                                               "019\tCremona",
                                               "020\tMantova",
                                               "021\tBolzano",
                                               "022\tTrento",
                                               "023\tVerona",
                                               "024\tVicenza",
                                               "025\tBelluno",
                                               "026\tTreviso",
                                               "027\tVenezia",
                                               "028\tPadova",
                                               "029\tRovigo",
                                               "030\tUdine",
                                               "031\tGorizia",
                                               "032\tTrieste",
                                               "033\tPiacenza",
                                               "034\tParma",
                                               "035\tReggio Emilia",
                                               "036\tModena",
                                               "037\tBologna 1",
                                               "038\tFerrara",
                                               "039\tRavenna",
                                               "040\tForlì",
                                               "041\tPesaro",
                                               "042\tAncona",
                                               "043\tMacerata",
                                               "044\tAscoli Piceno",
                                               "045\tMassa Carrara",
                                               "046\tLucca",
                                               "047\tPistoia",
                                               "048\tFirenze 1",
                                               "049\tLivorno",
                                               "050\tPisa",
                                               "051\tArezzo",
                                               "052\tSiena",
                                               "053\tGrosseto",
                                               "054\tPerugia",
                                               "055\tTerni",
                                               "056\tViterbo",
                                               "057\tRieti",
                                               "058\tRoma 1",
                                               "059\tLatina",
                                               "060\tFrosinone",
                                               "061\tCaserta",
                                               "062\tBenevento",
                                               "063\tNapoli 1",
                                               "064\tAvellino",
                                               "065\tSalerno",
                                               "066\tL'Aquila",
                                               "067\tTeramo",
                                               "068\tPescara",
                                               "069\tChieti",
                                               "070\tCampobasso",
                                               "071\tFoggia",
                                               "072\tBari",
                                               "073\tTaranto",
                                               "074\tBrindisi",
                                               "075\tLecce",
                                               "076\tPotenza",
                                               "077\tMatera",
                                               "078\tCosenza",
                                               "079\tCatanzaro",
                                               "080\tReggio Calabria",
                                               "081\tTrapani",
                                               "082\tPalermo",
                                               "083\tMessina",
                                               "084\tAgrigento",
                                               "085\tCaltanissetta",
                                               "086\tEnna",
                                               "087\tCatania",
                                               "088\tRagusa",
                                               "089\tSiracusa",
                                               "090\tSassari",
                                               "091\tNuoro",
                                               "092\tCagliari",
                                               "093\tPordenone",
                                               "094\tIsernia",
                                               "095\tOristano",
                                               "096\tMonza (Milano 2)",
                                               "097\tPrato (Firenze 2)",
                                               "098\tBrescia 2",
                                               "099\tChiavari (Genova 2)",
                                               "100\tRoma 2",
                                               "101\tBologna 2",
                                               "102\tNapoli 2",
                                               "120\tBologna 2",
                                               "121\tNapoli 2"};
        QCOMPARE(int(std::size(kOffices)), VatOffices::kRowCount);
        for (const char *row : kOffices) {
            const QStringList pair = QString::fromUtf8(row).split(u'\t');
            QTest::newRow(row) << pair[0] << pair[1];
        }
        QTest::newRow("000") << "000"
                             << "";
        QTest::newRow("103") << "103"
                             << "";
        QTest::newRow("119") << "119"
                             << "";
        QTest::newRow("122") << "122"
                             << "";
        QTest::newRow("short") << "01"
                               << "";
        QTest::newRow("blank inside") << " 01"
                                      << "";
    }
    void officeNames() {
        QFETCH(QString, code);
        QFETCH(QString, name);
        QCOMPARE(VatOffices::name(code), name);
    }

    void checkDigit_data() {
        QTest::addColumn<QString>("number");
        QTest::addColumn<int>("sum");
        QTest::addColumn<int>("expected");
        QTest::newRow("example") << "12345670017" << 33 << 7;
        QTest::newRow("all zeros") << "00000000000" << 0 << 0;
        QTest::newRow("doubling carries") << "09090909090" << 45 << 5;
        QTest::newRow("doubled 5 gives 1 + 0") << "55000000000" << 6 << 4;
        QTest::newRow("S mod 10 = 0") << "19000000000" << 10 << 0;
        QTest::newRow("letters count as 0") << "1a3b5c7d9e1" << 25 << 5;
        QTest::newRow("short text") << "12" << 5 << 5;
    }
    void checkDigit() {
        QFETCH(QString, number);
        QFETCH(int, sum);
        QFETCH(int, expected);
        QCOMPARE(VatCheck::checkSum(number), sum);
        QCOMPARE(VatCheck::expectedCheckDigit(number), expected);
    }

    void outcomes_data() {
        QTest::addColumn<QString>("number");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("text");
        const QString right = QString::fromUtf8(
            "Il numero di partita IVA è ESATTO. E' stato rilasciato dall'Ufficio di ");
        const QString wrong = QStringLiteral("Numero di partita IVA ERRATO.");
        QTest::newRow("Torino") << "12345670017" << int(VatCheck::Kind::Right) << right + "Torino.";
        QTest::newRow("wrong digit") << "12345670018" << int(VatCheck::Kind::Wrong) << wrong;
        QTest::newRow("000 right digit, no office")
            << "00000000000" << int(VatCheck::Kind::Wrong) << wrong;
        QTest::newRow("096") << withCheckDigit("1234567096") << int(VatCheck::Kind::Right)
                             << right + "Monza (Milano 2).";
        QTest::newRow("120") << withCheckDigit("0000000120") << int(VatCheck::Kind::Right)
                             << right + "Bologna 2.";
        QTest::newRow("121") << withCheckDigit("7654321121") << int(VatCheck::Kind::Right)
                             << right + "Napoli 2.";
        QTest::newRow("103 right digit")
            << withCheckDigit("0000000103") << int(VatCheck::Kind::Wrong) << wrong;
        QTest::newRow("119 right digit")
            << withCheckDigit("1111111119") << int(VatCheck::Kind::Wrong) << wrong;
        QTest::newRow("S mod 10 = 0 wants 0")
            << "80000000010" << int(VatCheck::Kind::Right) << right + "Torino.";
        QTest::newRow("10 is never the digit")
            << QStringLiteral("80000000011") << int(VatCheck::Kind::Wrong) << wrong;
        QTest::newRow("empty") << "" << int(VatCheck::Kind::Empty)
                               << QString::fromUtf8("Non è stato specificato alcun valore.");
        QTest::newRow("blanks") << "    " << int(VatCheck::Kind::Empty)
                                << QString::fromUtf8("Non è stato specificato alcun valore.");
        QTest::newRow("ten digits")
            << "1234567001" << int(VatCheck::Kind::TooShort)
            << "Il numero di partita IVA deve essere costituito da 11 cifre.";
        QTest::newRow("ten digits and blanks")
            << " 1234567001 " << int(VatCheck::Kind::TooShort)
            << "Il numero di partita IVA deve essere costituito da 11 cifre.";
    }
    void outcomes() {
        QFETCH(QString, number);
        QFETCH(int, kind);
        QFETCH(QString, text);
        const VatCheck::Outcome o = VatCheck::run(number);
        QCOMPARE(int(o.kind), kind);
        QCOMPARE(o.text, text);
        if (o.kind == VatCheck::Kind::Right || o.kind == VatCheck::Kind::Wrong)
            QCOMPARE(o.title, QStringLiteral("Risultato controllo partita IVA"));
        else
            QCOMPARE(o.title, QStringLiteral("Attenzione: parametro mancante"));
        QCOMPARE(o.icon,
                 o.kind == VatCheck::Kind::Right ? MsgIcon::Information : MsgIcon::Exclamation);
    }

    void commandLine_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("output");
        QTest::newRow("right") << QStringList{"vat", "12345670017"} << 0
                               << QString::fromUtf8(
                                      "Il numero di partita IVA è ESATTO. E' stato "
                                      "rilasciato dall'Ufficio di Torino.\n");
        QTest::newRow("wrong") << QStringList{"vat", "12345670018"} << 1
                               << "Numero di partita IVA ERRATO.\n";
        QTest::newRow("short") << QStringList{"vat", "123"} << 1
                               << "Il numero di partita IVA deve essere costituito da 11 cifre.\n";
        QTest::newRow("no number") << QStringList{"vat"} << 2 << "";
        QTest::newRow("accented office") << QStringList{"vat", withCheckDigit("0000000040")} << 0
                                         << QString::fromUtf8(
                                                "Il numero di partita IVA è ESATTO. E' "
                                                "stato rilasciato dall'Ufficio di Forlì.\n");
    }
    void commandLine() {
        QFETCH(QStringList, args);
        QFETCH(int, status);
        QFETCH(QString, output);
        QProcess cli;
        cli.start(QStringLiteral(CARTAFLEX_BINARY_DIR "/cartaflex-cli"), args);
        QVERIFY(cli.waitForFinished(20000));
        QCOMPARE(cli.exitCode(), status);
        QCOMPARE(QString::fromUtf8(cli.readAllStandardOutput()), output);
    }
};

QTEST_GUILESS_MAIN(TestVatCheck)
#include "tst_vatcheck.moc"
