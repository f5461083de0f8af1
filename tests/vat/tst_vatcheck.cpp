#include <QProcess>
#include <QTest>

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

    void officeNames_data() {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("name");
        QTest::newRow("001") << "001"
                             << "Torino";
        QTest::newRow("040 accent") << "040" << QString::fromUtf8("Forlì");
        QTest::newRow("066 apostrophe") << "066"
                                        << "L'Aquila";
        QTest::newRow("096") << "096"
                             << "Monza (Milano 2)";
        QTest::newRow("099") << "099"
                             << "Chiavari (Genova 2)";
        QTest::newRow("101") << "101"
                             << "Bologna 2";
        QTest::newRow("102") << "102"
                             << "Napoli 2";
        QTest::newRow("120") << "120"
                             << "Bologna 2";
        QTest::newRow("121") << "121"
                             << "Napoli 2";
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
