#include <QImage>
#include <QImageReader>
#include <QtTest>

#include "archive/SettingsFile.h"
#include "envelopes/EnvelopeContent.h"
#include "envelopes/EnvelopeSettings.h"
#include "envelopes/MarginSettings.h"
#include "envelopes/MarginSpin.h"
#include "envelopes/MarginText.h"
#include "envelopes/OrientationWord.h"
#include "envelopes/SenderLogo.h"
#include "support/TestEnvironment.h"

class TestEnvelopeLogic : public QObject {
    Q_OBJECT
private slots:
    void marginValue_data();
    void marginValue();
    void marginBuild_data();
    void marginBuild();
    void spinBar_data();
    void spinBar();
    void orientation_data();
    void orientation();
    void firstRunLoadsDesignAndEmptySender();
    void badColourDoesNotStopLoading();
    void brokenLogoDoesNotStopLoading();
    void logoRoundTripIsARealBitmap();
    void logoSaveFailures();
    void senderLinesSavedTrimmed();
    void marginKeysWrittenAndReadBack();
};

void TestEnvelopeLogic::marginValue_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("readable");
    QTest::addColumn<double>("value");
    QTest::newRow("plus zero") << "+0" << true << 0.0;
    QTest::newRow("minus three mm") << "-0,3" << true << -0.3;
    QTest::newRow("two and a half") << "+2,5" << true << 2.5;
    QTest::newRow("two-digit mm") << "+2,15" << true << 2.15;
    QTest::newRow("empty sign") << "0,0" << true << 0.0;
    QTest::newRow("empty sign, value") << "1,2" << true << 1.2;
    QTest::newRow("blanks around") << " -1,0 " << true << -1.0;
    QTest::newRow("no millimetres") << "+3," << true << 3.0;
    QTest::newRow("no centimetres") << "-,5" << true << -0.5;
    QTest::newRow("letters in cm") << "+a,5" << false << 0.0;
    QTest::newRow("letters") << "abc" << false << 0.0;
    QTest::newRow("trailing letters") << "+2,5x" << false << 0.0;
    QTest::newRow("empty") << "" << false << 0.0;
    QTest::newRow("sign only") << "+" << false << 0.0;
    QTest::newRow("sign and comma") << "+," << false << 0.0;
    QTest::newRow("point is no separator") << "+2.5" << false << 0.0;
    QTest::newRow("two signs") << "+-1,0" << false << 0.0;
}

void TestEnvelopeLogic::marginValue() {
    QFETCH(QString, text);
    QFETCH(bool, readable);
    QFETCH(double, value);
    const auto v = MarginText::value(text);
    QCOMPARE(v.has_value(), readable);
    if (readable) QVERIFY2(qAbs(*v - value) < 1e-9, qPrintable(QString::number(*v)));
}

void TestEnvelopeLogic::marginBuild_data() {
    QTest::addColumn<QString>("sign");
    QTest::addColumn<QString>("cm");
    QTest::addColumn<QString>("mm");
    QTest::addColumn<QString>("text");
    QTest::newRow("plain") << "+"
                           << "2"
                           << "5"
                           << "+2,5";
    QTest::newRow("blanks removed") << " - "
                                    << " 0 "
                                    << "3 "
                                    << "-0,3";
    QTest::newRow("no sign") << ""
                             << "0"
                             << "0"
                             << "0,0";
    QTest::newRow("letters kept") << "+"
                                  << "ab"
                                  << "0"
                                  << "+ab,0";
}

void TestEnvelopeLogic::marginBuild() {
    QFETCH(QString, sign);
    QFETCH(QString, cm);
    QFETCH(QString, mm);
    QFETCH(QString, text);
    QCOMPARE(MarginText::build(sign, cm, mm), text);
}

void TestEnvelopeLogic::spinBar_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("bar");  // -1: the bar stays
    QTest::newRow("seven") << "7" << 7;
    QTest::newRow("zero leaves the bar") << "0" << -1;
    QTest::newRow("empty") << "" << -1;
    QTest::newRow("letters") << "abc" << -1;
    QTest::newRow("leading number") << "12abc" << 12;
    QTest::newRow("leading blanks") << "  5" << 5;
    QTest::newRow("half to even, down") << "2.5" << 2;
    QTest::newRow("half to even, up") << "3.5" << 4;
    QTest::newRow("top end") << "99" << 99;
    QTest::newRow("above the range") << "100" << -1;
    QTest::newRow("far above") << "123456789012345678901234" << -1;
    QTest::newRow("negative") << "-3" << -1;
    QTest::newRow("rounds into range") << "99.4" << 99;
    QTest::newRow("rounds out of range") << "99.6" << -1;
}

void TestEnvelopeLogic::spinBar() {
    QFETCH(QString, text);
    QFETCH(int, bar);
    const auto v = MarginSpin::barValueFor(text);
    QCOMPARE(v.value_or(-1), bar);
}

void TestEnvelopeLogic::orientation_data() {
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("word");  // empty: the design state stays
    QTest::newRow("landscape") << "Orizzontale"
                               << "Orizzontale";
    QTest::newRow("landscape and more") << "OrizzontaleXYZ"
                                        << "Orizzontale";
    QTest::newRow("portrait") << "Verticale"
                              << "Verticale";
    QTest::newRow("portrait and more") << "Verticale 2"
                                       << "Verticale";
    QTest::newRow("empty") << ""
                           << "Verticale";
    QTest::newRow("blanks") << "   "
                            << "Verticale";
    QTest::newRow("other case") << "orizzontale"
                                << "";
    QTest::newRow("other word") << "Landscape"
                                << "";
}

void TestEnvelopeLogic::orientation() {
    QFETCH(QString, value);
    QFETCH(QString, word);
    QCOMPARE(OrientationWord::fromSetting(value).value_or(QString()), word);
}

void TestEnvelopeLogic::firstRunLoadsDesignAndEmptySender() {
    TestEnvironment env;
    EnvelopeContent c = EnvelopeContent::design();
    const auto report = EnvelopeSettings::load(c, SettingsFile(), SenderLogo::programFilePath());
    QVERIFY(!report.logoOk);
    for (const QString &line : c.sender) QVERIFY(line.isEmpty());
    QCOMPARE(c.logo, SenderLogo::designPicture());
    QCOMPARE(c.marginSin, QStringLiteral("+0"));
    QCOMPARE(c.marginSupD, QStringLiteral("+0"));
    QCOMPARE(c.orientation, QStringLiteral("Verticale"));
    QCOMPARE(c.recipient[EnvelopeContent::RTitolo], QStringLiteral("Persona o azienda"));
    QVERIFY(!QFile::exists(env.file(QStringLiteral("Cartaflex.ini"))));
}

void TestEnvelopeLogic::badColourDoesNotStopLoading() {
    TestEnvironment env;
    TestEnvironment::writeBytes(
        env.file(QStringLiteral("Cartaflex.ini")),
        "[Impostazioni Colore]\r\nColore Titolo=blu\r\nColore Sottotitolo=255\r\n"
        "[Mittente]\r\nTitolo=Studio Rossi\r\nTelefono=  06 1234  \r\n"
        "Margine Sinistro=-0,5\r\n[Destinatario]\r\nMargine Superiore=+1,2\r\n"
        "[Stampa Busta]\r\nOrientamento=Orizzontale\r\n");
    EnvelopeContent c = EnvelopeContent::design();
    const auto report = EnvelopeSettings::load(c, SettingsFile(), SenderLogo::programFilePath());
    QVERIFY(!report.coloursOk);
    QCOMPARE(c.titleColour, QColor(Qt::black));
    QCOMPARE(c.subtitleColour, QColor(Qt::black));
    QCOMPARE(c.sender[EnvelopeContent::Titolo], QStringLiteral("Studio Rossi"));
    QCOMPARE(c.sender[EnvelopeContent::Tel], QStringLiteral("06 1234"));
    QCOMPARE(c.sender[EnvelopeContent::Iva], QString());
    QCOMPARE(c.marginSin, QStringLiteral("-0,5"));
    QCOMPARE(c.marginSup, QStringLiteral("+0"));
    QCOMPARE(c.marginSupD, QStringLiteral("+1,2"));
    QCOMPARE(c.orientation, QStringLiteral("Orizzontale"));
}

void TestEnvelopeLogic::brokenLogoDoesNotStopLoading() {
    TestEnvironment env;
    TestEnvironment::writeBytes(env.file(QStringLiteral("Logo.bmp")), "BM this is not a bitmap");
    TestEnvironment::writeBytes(
        env.file(QStringLiteral("Cartaflex.ini")),
        "[Mittente]\nMargine Superiore=+2,15\n[Stampa Busta]\nOrientamento=Orizzontale\n");
    EnvelopeContent c = EnvelopeContent::design();
    const auto report = EnvelopeSettings::load(c, SettingsFile(), SenderLogo::programFilePath());
    QVERIFY(!report.logoOk);
    QCOMPARE(c.logo, SenderLogo::designPicture());
    QCOMPARE(c.marginSup, QStringLiteral("+2,15"));
    QCOMPARE(c.orientation, QStringLiteral("Orizzontale"));
}

void TestEnvelopeLogic::logoRoundTripIsARealBitmap() {
    TestEnvironment env;
    QImage image(40, 30, QImage::Format_ARGB32);
    image.fill(QColor(10, 200, 30));
    const QString path = SenderLogo::programFilePath();
    QVERIFY(SenderLogo::save(image, path));
    const QByteArray bytes = TestEnvironment::readBytes(path);
    QVERIFY(bytes.startsWith("BM"));
    QImageReader reader(path);
    QCOMPARE(reader.format(), QByteArray("bmp"));
    const QImage back = SenderLogo::load(path);
    QCOMPARE(back.size(), QSize(40, 30));
    QCOMPARE(back.pixelColor(5, 5), QColor(10, 200, 30));
    // A transparent picture goes down on white: a bitmap has no transparency.
    QImage clear(8, 8, QImage::Format_ARGB32);
    clear.fill(Qt::transparent);
    QVERIFY(SenderLogo::save(clear, path));
    QCOMPARE(SenderLogo::load(path).pixelColor(3, 3), QColor(Qt::white));
}

void TestEnvelopeLogic::logoSaveFailures() {
    TestEnvironment env;
    QVERIFY(!SenderLogo::save(QImage(), SenderLogo::programFilePath()));
    QVERIFY(!QFile::exists(SenderLogo::programFilePath()));
    QVERIFY(!SenderLogo::save(SenderLogo::blankPicture(),
                              env.file(QStringLiteral("no/such/folder/Logo.bmp"))));
    QVERIFY(SenderLogo::load(env.file(QStringLiteral("missing.bmp"))).isNull());
    QVERIFY(SenderLogo::load(QString()).isNull());
}

void TestEnvelopeLogic::senderLinesSavedTrimmed() {
    TestEnvironment env;
    EnvelopeContent c = EnvelopeContent::design();
    c.sender[EnvelopeContent::Titolo] = QStringLiteral("  Studio Bianchi ");
    c.sender[EnvelopeContent::Email] = QStringLiteral("   ");
    SettingsFile settings;
    QVERIFY(EnvelopeSettings::saveSenderLines(c, settings));
    QCOMPARE(settings.read(QStringLiteral("Mittente"), QStringLiteral("Titolo")),
             QStringLiteral("Studio Bianchi"));
    QCOMPARE(settings.read(QStringLiteral("Mittente"), QStringLiteral("Partita Iva")),
             QStringLiteral("P.IVA"));
    QCOMPARE(settings.read(QStringLiteral("Mittente"), QStringLiteral("Cellulare")),
             QStringLiteral("Cel."));
    const QByteArray file = TestEnvironment::readBytes(settings.filePath());
    QVERIFY(file.contains("Email="));

    EnvelopeContent back = EnvelopeContent::design();
    EnvelopeSettings::loadSenderLines(back, settings);
    QCOMPARE(back.sender[EnvelopeContent::Email], QString());
    QCOMPARE(back.sender[EnvelopeContent::Citta], QStringLiteral("Città"));
}

void TestEnvelopeLogic::marginKeysWrittenAndReadBack() {
    TestEnvironment env;
    SettingsFile settings;
    BlockMargins m;
    m.left =
        MarginSettings::fromParts(QStringLiteral("-"), QStringLiteral(" 0"), QStringLiteral("5 "));
    m.top = MarginSettings::fromParts(QString(), QStringLiteral("1"), QStringLiteral("2"));
    QVERIFY(MarginSettings::write(settings, QStringLiteral("Destinatario"), m));
    const QByteArray file = TestEnvironment::readBytes(settings.filePath());
    const QList<QByteArray> keys{"Margine Sinistro=-0,5", "Segno sin.=-", "Cm sin.=0", "Mm sin.=5",
                                 "Margine Superiore=1,2", "Segno sup.=",  "Cm sup.=1", "Mm sup.=2"};
    qsizetype at = 0;
    for (const QByteArray &k : keys) {
        const qsizetype found = file.indexOf(k, at);
        QVERIFY2(found >= at, k.constData());
        at = found;
    }
    BlockMargins back;
    back.top.sign = QStringLiteral("kept");
    MarginSettings::read(settings, QStringLiteral("Destinatario"), back);
    QCOMPARE(back.left.text, QStringLiteral("-0,5"));
    QCOMPARE(back.left.millimetres, QStringLiteral("5"));
    QCOMPARE(back.top.text, QStringLiteral("1,2"));
    QCOMPARE(back.top.sign, QStringLiteral("kept"));  // an empty value leaves the control
}

QTEST_MAIN(TestEnvelopeLogic)
#include "tst_envelopelogic.moc"
