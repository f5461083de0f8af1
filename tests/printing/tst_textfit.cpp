// The rule that fits a text into its box: own size, shrunk down to 70 %, or cut.
#include <QFontMetricsF>
#include <QImage>
#include <QTest>

#include "printing/TextFit.h"

class TestTextFit : public QObject {
    Q_OBJECT
    QImage device{8, 8, QImage::Format_RGB32};  // measured as a 1440-dpi printer measures

    double width(const QString &text, const PageFont &font) {
        return QFontMetricsF(QFont(font.toQFont(), &device), &device).horizontalAdvance(text);
    }

private slots:
    void initTestCase() {
        const int dpm = qRound(1440 / 0.0254);
        device.setDotsPerMeterX(dpm);
        device.setDotsPerMeterY(dpm);
    }

    // Box widths as a share of the text's own width; what the rule must give.
    void fitsItsBox_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("share");
        QTest::addColumn<bool>("shrunk");
        QTest::addColumn<bool>("cut");
        const QString name = QStringLiteral("Studio Associato Bianchi-Lombardo & Figli");
        QTest::newRow("fits with room") << name << 1.5 << false << false;
        QTest::newRow("exactly as wide") << name << 1.0 << false << false;
        QTest::newRow("a little too wide") << name << 0.95 << true << false;
        QTest::newRow("needs 75 %") << name << 0.75 << true << false;
        QTest::newRow("needs less than 70 %") << name << 0.5 << true << true;
        QTest::newRow("no room at all") << name << 0.0 << true << true;
        QTest::newRow("empty text") << QString() << 0.0 << false << false;
    }
    void fitsItsBox() {
        QFETCH(QString, text);
        QFETCH(double, share);
        QFETCH(bool, shrunk);
        QFETCH(bool, cut);
        PageFont font;
        font.size = 9.75;
        font.bold = true;
        const double own = width(text, font);
        const double box = own * share;
        const FittedText fitted = TextFit::fit(text, font, box, &device);
        QCOMPARE(fitted.shrunk, shrunk);
        QCOMPARE(fitted.cut, cut);
        QCOMPARE(fitted.font.bold, true);
        const double drawn = width(fitted.text, fitted.font);
        QVERIFY2(drawn <= box + 1e-3,
                 qPrintable(QString::number(drawn) + " > " + QString::number(box)));
        if (!shrunk) {
            QCOMPARE(fitted.text, text);
            QCOMPARE(fitted.font.size, 9.75);
            return;
        }
        QVERIFY(fitted.font.size >= 9.75 * 0.7 - 1e-9);
        if (!cut) {
            // The whole text, in the largest size that fits: one step more would not.
            QCOMPARE(fitted.text, text);
            PageFont bigger = fitted.font;
            bigger.size += TextFit::kSizeStep;
            QVERIFY(width(text, bigger) > box);
        } else {
            // At 70 %, the start of the text: one character more would pass the edge.
            QCOMPARE(fitted.font.size, 9.75 * 0.7);
            QVERIFY(text.startsWith(fitted.text));
            QVERIFY(width(text.left(fitted.text.size() + 1), fitted.font) > box);
        }
    }
};

QTEST_MAIN(TestTextFit)
#include "tst_textfit.moc"
