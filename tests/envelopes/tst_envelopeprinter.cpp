#include <QtTest>
#include <memory>

#include "envelopes/EnvelopeContent.h"
#include "envelopes/EnvelopePrinter.h"
#include "printing/PrinterPage.h"
#include "printing/RecordingPageDevice.h"
#include "support/TestEnvironment.h"

namespace {

constexpr double kTol = 1e-4;

EnvelopeContent sample() {
    EnvelopeContent c = EnvelopeContent::design();
    c.sender = {QStringLiteral(" Studio Rossi "), QStringLiteral("Architetti"),
                QStringLiteral("Via Roma 1"),     QStringLiteral("00100 Roma"),
                QStringLiteral("01234567890"),    QStringLiteral("06 123456"),
                QStringLiteral("333 1234567"),    QStringLiteral("info@rossi.it")};
    c.recipient = {QStringLiteral("Ditta Verdi"), QStringLiteral("Forniture"),
                   QStringLiteral("Corso Italia 5"), QStringLiteral("20100 Milano")};
    c.titleColour = QColor(255, 0, 0);
    c.subtitleColour = QColor(0, 0, 255);
    return c;
}

}  // namespace

class TestEnvelopePrinter : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void itemsAtZeroMargins_data();
    void itemsAtZeroMargins();
    void marginsShiftTheBlocks_data();
    void marginsShiftTheBlocks();
    void orientation_data();
    void orientation();
    void onePageInCentimetres();
    void emptyLinesKeepTheirPlace();
    void missingPrinterPrintsNothing();

private:
    std::shared_ptr<RecordingPageDevice> m_device;
    std::unique_ptr<TestEnvironment> m_env;
};

void TestEnvelopePrinter::init() {
    m_env = std::make_unique<TestEnvironment>();
    PrinterPage::printer().reset();
    m_device = std::make_shared<RecordingPageDevice>();
    PrinterPage::printer().setDevice(m_device);
}

void TestEnvelopePrinter::cleanup() {
    PrinterPage::printer().reset();
    m_device.reset();
    m_env.reset();
}

void TestEnvelopePrinter::itemsAtZeroMargins_data() {
    QTest::addColumn<int>("index");  // among the texts after the empty first line
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("y");
    QTest::addColumn<double>("size");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<QColor>("colour");
    const QColor black(Qt::black);
    QTest::newRow("sender name") << 0 << "Studio Rossi" << 3.5 << 1.0 << 10.0 << true
                                 << QColor(255, 0, 0);
    QTest::newRow("sender speciality")
        << 1 << "Architetti" << 3.5 << 1.43 << 8.0 << true << QColor(0, 0, 255);
    QTest::newRow("sender street") << 2 << "Via Roma 1" << 3.5 << 1.81 << 8.0 << false << black;
    QTest::newRow("sender town") << 3 << "00100 Roma" << 3.5 << 2.16 << 8.0 << false << black;
    QTest::newRow("sender VAT") << 4 << "01234567890" << 3.5 << 2.57 << 6.0 << false << black;
    QTest::newRow("sender phones")
        << 5 << "06 123456    333 1234567" << 3.5 << 2.87 << 6.0 << false << black;
    QTest::newRow("sender e-mail") << 6 << "info@rossi.it" << 3.5 << 3.15 << 6.0 << false << black;
    QTest::newRow("recipient name") << 7 << "Ditta Verdi" << 10.5 << 4.0 << 12.0 << true << black;
    QTest::newRow("recipient speciality")
        << 8 << "Forniture" << 10.5 << 4.52 << 10.0 << true << black;
    QTest::newRow("recipient street")
        << 9 << "Corso Italia 5" << 10.5 << 5.1 << 8.0 << false << black;
    QTest::newRow("recipient town") << 10 << "20100 Milano" << 10.5 << 5.6 << 8.0 << false << black;
}

void TestEnvelopePrinter::itemsAtZeroMargins() {
    QFETCH(int, index);
    QFETCH(QString, text);
    QFETCH(double, x);
    QFETCH(double, y);
    QFETCH(double, size);
    QFETCH(bool, bold);
    QFETCH(QColor, colour);
    QVERIFY(EnvelopePrinter::print(sample(), PrinterPage::printer()));
    const QList<PageOp> texts = m_device->texts();
    QCOMPARE(texts.size(), 12);
    QCOMPARE(texts.first().text, QString());
    const PageOp &op = texts.at(index + 1);
    QCOMPARE(op.text, text);
    QCOMPARE(op.scaleMode, int(PrinterPage::Centimeters));
    QVERIFY2(qAbs(op.x - x) < kTol, qPrintable(QString::number(op.x)));
    QVERIFY2(qAbs(op.y - y) < kTol, qPrintable(QString::number(op.y)));
    QVERIFY(qAbs(op.twips.left() - x * PrinterPage::kTwipsPerCm) < 0.1);
    QCOMPARE(op.font.name, QStringLiteral("Verdana"));
    QCOMPARE(op.font.size, size);
    QCOMPARE(op.font.bold, bold);
    QVERIFY(!op.font.italic && !op.font.underline && !op.font.strikethrough);
    QCOMPARE(op.color, colour);

    // The logo comes first, at the sender's origin and at its own size.
    const QList<PageOp> pictures = m_device->pictures();
    QCOMPARE(pictures.size(), 1);
    QCOMPARE(pictures.first().x, 1.0);
    QCOMPARE(pictures.first().y, 1.0);
    const QSizeF own = PrinterPage::imageTwips(sample().logo);
    QVERIFY(qAbs(pictures.first().twips.width() - own.width()) < 0.5);
    QVERIFY(qAbs(pictures.first().twips.height() - own.height()) < 0.5);
    const QList<PageOp> all = m_device->operations();
    QCOMPARE(all.at(0).kind, PageOp::Text);
    QCOMPARE(all.at(1).kind, PageOp::Picture);
}

void TestEnvelopePrinter::marginsShiftTheBlocks_data() {
    QTest::addColumn<QString>("sin");
    QTest::addColumn<QString>("sup");
    QTest::addColumn<QString>("sinD");
    QTest::addColumn<QString>("supD");
    QTest::addColumn<double>("senderX");
    QTest::addColumn<double>("senderY");
    QTest::addColumn<double>("recipientX");
    QTest::addColumn<double>("recipientY");
    QTest::newRow("sender left -0,5, recipient top +1,2") << "-0,5"
                                                          << "+0"
                                                          << "+0"
                                                          << "+1,2" << 3.0 << 1.0 << 10.5 << 5.2;
    QTest::newRow("two-digit millimetres") << "+2,15"
                                           << "+0,3"
                                           << "-1,0"
                                           << "-0,3" << 5.65 << 1.3 << 9.5 << 3.7;
    QTest::newRow("no sign") << "0,0"
                             << "1,5"
                             << "2,0"
                             << "0,0" << 3.5 << 2.5 << 12.5 << 4.0;
    QTest::newRow("unreadable texts keep the base") << "+a,0"
                                                    << ""
                                                    << "+,"
                                                    << "abc" << 3.5 << 1.0 << 10.5 << 4.0;
}

void TestEnvelopePrinter::marginsShiftTheBlocks() {
    QFETCH(QString, sin);
    QFETCH(QString, sup);
    QFETCH(QString, sinD);
    QFETCH(QString, supD);
    QFETCH(double, senderX);
    QFETCH(double, senderY);
    QFETCH(double, recipientX);
    QFETCH(double, recipientY);
    EnvelopeContent c = sample();
    c.marginSin = sin;
    c.marginSup = sup;
    c.marginSinD = sinD;
    c.marginSupD = supD;
    QVERIFY(EnvelopePrinter::print(c, PrinterPage::printer()));
    const QList<PageOp> texts = m_device->texts();
    QCOMPARE(texts.size(), 12);
    QVERIFY2(qAbs(texts.at(1).x - senderX) < kTol, qPrintable(QString::number(texts.at(1).x)));
    QVERIFY2(qAbs(texts.at(1).y - senderY) < kTol, qPrintable(QString::number(texts.at(1).y)));
    QVERIFY(qAbs(texts.at(7).y - (senderY + 2.15)) < kTol);
    QVERIFY2(qAbs(texts.at(8).x - recipientX) < kTol, qPrintable(QString::number(texts.at(8).x)));
    QVERIFY2(qAbs(texts.at(8).y - recipientY) < kTol, qPrintable(QString::number(texts.at(8).y)));
    QVERIFY(qAbs(texts.at(11).y - (recipientY + 1.6)) < kTol);
    QVERIFY(qAbs(m_device->pictures().first().x - (senderX - 2.5)) < kTol);
}

void TestEnvelopePrinter::orientation_data() {
    QTest::addColumn<int>("before");
    QTest::addColumn<QString>("word");
    QTest::addColumn<int>("printed");
    QTest::newRow("landscape") << 1 << "Orizzontale" << 2;
    QTest::newRow("portrait") << 2 << "Verticale" << 1;
    QTest::newRow("blanks around") << 1 << " Orizzontale " << 2;
    QTest::newRow("other text keeps landscape") << 2 << "Obliqua" << 2;
    QTest::newRow("other text keeps portrait") << 1 << "" << 1;
}

void TestEnvelopePrinter::orientation() {
    QFETCH(int, before);
    QFETCH(QString, word);
    QFETCH(int, printed);
    PrinterPage::printer().setOrientation(before);
    EnvelopeContent c = sample();
    c.orientation = word;
    QVERIFY(EnvelopePrinter::print(c, PrinterPage::printer()));
    QCOMPARE(m_device->documents.size(), 1);
    QCOMPARE(m_device->documents.first().orientation, printed);
    QCOMPARE(PrinterPage::printer().orientation(), printed);
}

void TestEnvelopePrinter::onePageInCentimetres() {
    PrinterPage::printer().setForeColor(QColor(1, 2, 3));
    QVERIFY(EnvelopePrinter::print(sample(), PrinterPage::printer()));
    QCOMPARE(m_device->documents.size(), 1);
    QCOMPARE(m_device->pageCount(), 1);
    QVERIFY(!m_device->documentOpen());
    QCOMPARE(PrinterPage::printer().scaleMode(), int(PrinterPage::Centimeters));
    QCOMPARE(m_env->platform().busyShown, 1);
    QCOMPARE(m_env->platform().busyDepth, 0);
    QVERIFY(m_env->platform().messages.isEmpty());
    // A second envelope is a document of its own.
    QVERIFY(EnvelopePrinter::print(sample(), PrinterPage::printer()));
    QCOMPARE(m_device->documents.size(), 2);
}

void TestEnvelopePrinter::emptyLinesKeepTheirPlace() {
    EnvelopeContent c = sample();
    c.sender[EnvelopeContent::Sottotitolo] = QStringLiteral("   ");
    c.sender[EnvelopeContent::Tel] = QString();
    c.sender[EnvelopeContent::Cel] = QStringLiteral("333");
    c.recipient[EnvelopeContent::RTitolo] = QStringLiteral("Persona o azienda");
    QVERIFY(EnvelopePrinter::print(c, PrinterPage::printer()));
    const QList<PageOp> texts = m_device->texts();
    QCOMPARE(texts.at(2).text, QString());
    QVERIFY(qAbs(texts.at(2).y - 1.43) < kTol);
    QVERIFY(qAbs(texts.at(3).y - 1.81) < kTol);  // the street does not move up
    QCOMPARE(texts.at(6).text, QStringLiteral("333"));
    QCOMPARE(texts.at(8).text, QStringLiteral("Persona o azienda"));
}

void TestEnvelopePrinter::missingPrinterPrintsNothing() {
    m_device->setFailing(true);
    QVERIFY(!EnvelopePrinter::print(sample(), PrinterPage::printer()));
    QVERIFY(m_device->operations().isEmpty());
    QVERIFY(m_device->documents.isEmpty());
    QCOMPARE(m_env->platform().busyDepth, 0);
    QVERIFY(m_env->platform().messages.isEmpty());
}

QTEST_MAIN(TestEnvelopePrinter)
#include "tst_envelopeprinter.moc"
