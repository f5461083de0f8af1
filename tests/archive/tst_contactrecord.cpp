#include <QTest>

#include "archive/ContactRecord.h"
#include "archive/Cp1252Codec.h"

class TestContactRecord : public QObject {
    Q_OBJECT
private slots:
    void layoutMatchesTheFileFormat() {
        int total = 0;
        for (int f = 0; f < ContactRecord::FieldCount; ++f) {
            QCOMPARE(ContactRecord::offset(ContactRecord::Field(f)), total);
            total += ContactRecord::width(ContactRecord::Field(f));
        }
        QCOMPARE(total, 1136);
        QCOMPARE(ContactRecord::offset(ContactRecord::Logo03), 881);
        QCOMPARE(ContactRecord::offset(ContactRecord::Informazioni), 251);
        QCOMPARE(ContactRecord::offset(ContactRecord::Web), 311);
    }

    void encodeTrimsPadsAndCuts_data() {
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<QString>("readBack");
        QTest::newRow("blanks around a name")
            << int(ContactRecord::Titolo) << " Mario " << QByteArray("Mario") + QByteArray(25, ' ')
            << "Mario";
        QTest::newRow("exact width, no fill") << int(ContactRecord::Iva) << "01234567890"
                                              << QByteArray("01234567890") << "01234567890";
        QTest::newRow("width + 1 loses the last") << int(ContactRecord::Iva) << "012345678901"
                                                  << QByteArray("01234567890") << "01234567890";
        QTest::newRow("tab is data") << int(ContactRecord::Tel) << "\t12 "
                                     << QByteArray("\t12") + QByteArray(17, ' ') << "\t12";
        QTest::newRow("accented letters one byte each")
            << int(ContactRecord::Citta) << QString::fromUtf8("Città è")
            << QByteArray("Citt\xE0 \xE8") + QByteArray(33, ' ') << QString::fromUtf8("Città è");
        QTest::newRow("euro sign")
            << int(ContactRecord::Informazioni) << QString::fromUtf8("10 €")
            << QByteArray("10 \x80") + QByteArray(56, ' ') << QString::fromUtf8("10 €");
        QTest::newRow("outside the code page is one ?")
            << int(ContactRecord::Titolo) << QString::fromUtf8("Łódź 😀 x")
            << QByteArray(
                   "?\xF3"
                   "d? ? x") +
                   QByteArray(22, ' ')
            << QString::fromUtf8("?ód? ? x");
        QTest::newRow("empty field is all blanks")
            << int(ContactRecord::Fax) << "" << QByteArray(20, ' ') << "";
    }
    void encodeTrimsPadsAndCuts() {
        QFETCH(int, field);
        QFETCH(QString, value);
        QFETCH(QByteArray, stored);
        QFETCH(QString, readBack);
        ContactRecord r;
        r.setValue(ContactRecord::Field(field), value);
        const QByteArray bytes = r.encode();
        QCOMPARE(bytes.size(), 1136);
        const int off = ContactRecord::offset(ContactRecord::Field(field));
        QCOMPARE(bytes.mid(off, ContactRecord::width(ContactRecord::Field(field))), stored);
        QCOMPARE(ContactRecord::decode(bytes).value(ContactRecord::Field(field)), readBack);
    }

    void fullWebAddressAndLogoStayApart() {
        ContactRecord r;
        const QString web = QStringLiteral("https://") + QString(52, u'w');
        QCOMPARE(web.size(), 60);
        r.setValue(ContactRecord::Web, web);
        r.setValue(ContactRecord::Logo01, QStringLiteral("/home/uffici/logo piccolo.png"));
        r.setValue(ContactRecord::Logo03, QString(300, u'x'));
        const QByteArray bytes = r.encode();
        QCOMPARE(bytes.mid(311 + 60, 5), QByteArray("/home"));
        const ContactRecord back = ContactRecord::decode(bytes);
        QCOMPARE(back.value(ContactRecord::Web), web);
        QCOMPARE(back.value(ContactRecord::Logo01),
                 QStringLiteral("/home/uffici/logo piccolo.png"));
        QCOMPARE(back.value(ContactRecord::Logo03), QString(255, u'x'));
    }

    void everyByteDecodesAndEncodesBack() {
        QByteArray all;
        for (int b = 0; b < 256; ++b) all.append(char(b));
        QCOMPARE(Cp1252Codec::encode(Cp1252Codec::decode(all)), all);
    }

    // Bytes 0x80-0x9F read as the published Windows-1252 table has them (the five bytes
    // it leaves undefined as the C1 control of the same value), and write back the same.
    void highBytesFollowThePublishedTable() {
        const char16_t published[32] = {
            0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
            0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
            0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
        QByteArray high;
        for (int b = 0x80; b <= 0x9F; ++b) high.append(char(b));
        const QString text = QString::fromUtf16(published, 32);
        QCOMPARE(Cp1252Codec::decode(high), text);
        QCOMPARE(Cp1252Codec::encode(text), high);
    }

    void fieldNames() {
        QCOMPARE(ContactRecord::fieldFromName(QStringLiteral("Informazioni")),
                 ContactRecord::Informazioni);
        QCOMPARE(ContactRecord::fieldFromName(QStringLiteral("titolo")), ContactRecord::FieldCount);
        QCOMPARE(ContactRecord::fieldName(ContactRecord::Logo02), QStringLiteral("Logo02"));
    }
};

QTEST_GUILESS_MAIN(TestContactRecord)
#include "tst_contactrecord.moc"
