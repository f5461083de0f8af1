// Word wrap, paging and alignment of PrintWrappedText, on the recording page device.
#include <QtTest>
#include <memory>

#include "app/PrintWrappedText.h"
#include "printing/PrinterPage.h"
#include "printing/RecordingPageDevice.h"

namespace {

// Every character is one unit wide: line breaks can be worked out by hand.
double oneUnitPerChar(const QString &s) {
    return double(s.size());
}

WrappedTextBox box(const QString &text, TextAlign align = TextAlign::Left) {
    WrappedTextBox b;
    b.text = text;
    b.font.name = QStringLiteral("Verdana");
    b.font.size = 9;
    b.alignment = align;
    return b;
}

const QString kLorem = QStringLiteral(
    "Cartaflex stampa i biglietti da visita su fogli interi e gli indirizzi sulle buste, "
    "con il logo del mittente e i margini scelti per la propria stampante e per ogni busta.");

}  // namespace

class TestPrintWrappedText : public QObject {
    Q_OBJECT

private:
    std::shared_ptr<RecordingPageDevice> m_device;
    PrinterPage &page() { return PrinterPage::printer(); }
    void usePage(QSizeF twips) {
        page().reset();
        m_device = std::make_shared<RecordingPageDevice>(twips);
        page().setDevice(m_device);
    }

private slots:
    void init() { usePage(QSizeF(6000, 16838)); }
    void cleanup() { page().reset(); }

    void paragraphs_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("empty") << QString() << QStringList();
        QTest::newRow("one") << QStringLiteral("uno due") << QStringList{"uno due"};
        QTest::newRow("crlf") << QStringLiteral("uno\r\ndue") << QStringList{"uno", "due"};
        QTest::newRow("empty line between")
            << QStringLiteral("uno\r\n\r\ndue") << QStringList{"uno", "", "due"};
        QTest::newRow("trailing break") << QStringLiteral("uno\r\n") << QStringList{"uno"};
        QTest::newRow("line feed alone") << QStringLiteral("uno\ndue") << QStringList{"uno", "due"};
        QTest::newRow("carriage return alone stays")
            << QStringLiteral("uno\rdue") << QStringList{"uno\rdue"};
    }
    void paragraphs() {
        QFETCH(QString, text);
        QFETCH(QStringList, expected);
        QCOMPARE(PrintWrappedText::paragraphs(text), expected);
    }

    void breakParagraph_data() {
        QTest::addColumn<QString>("paragraph");
        QTest::addColumn<double>("width");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("fits") << QStringLiteral("aaa bbb") << 10.0 << QStringList{"aaa bbb"};
        QTest::newRow("exactly the width")
            << QStringLiteral("aaaa bbbbb") << 10.0 << QStringList{"aaaa bbbbb"};
        QTest::newRow("break at the last blank that fits")
            << QStringLiteral("aaa bbb ccc ddd") << 10.0 << QStringList{"aaa bbb ", "ccc ddd"};
        QTest::newRow("blanks after the break are dropped")
            << QStringLiteral("aaa bbb    ccc") << 8.0 << QStringList{"aaa bbb  ", "ccc"};
        QTest::newRow("tab is a break point")
            << QStringLiteral("aaa\tbbb\tccc") << 8.0 << QStringList{"aaa\tbbb\t", "ccc"};
        QTest::newRow("word wider than the line") << QStringLiteral("abcdefghijklmno") << 4.0
                                                  << QStringList{"abcd", "efgh", "ijkl", "mno"};
        QTest::newRow("long word after a short one")
            << QStringLiteral("ab cdefghij") << 4.0 << QStringList{"ab ", "cdef", "ghij"};
        QTest::newRow("at least one character")
            << QStringLiteral("abc") << 0.5 << QStringList{"a", "b", "c"};
        QTest::newRow("empty paragraph is an empty line") << QString() << 10.0 << QStringList{""};
    }
    void breakParagraph() {
        QFETCH(QString, paragraph);
        QFETCH(double, width);
        QFETCH(QStringList, lines);
        QCOMPARE(PrintWrappedText::breakParagraph(paragraph, width, oneUnitPerChar), lines);
    }

    void breakParagraphKeepsSurrogatePairsWhole() {
        const QString word = QString::fromUtf8("\xF0\x9F\x93\x87\xF0\x9F\x93\x87\xF0\x9F\x93\x87");
        const QStringList lines = PrintWrappedText::breakParagraph(word, 3.0, oneUnitPerChar);
        QCOMPARE(lines.join(QString()), word);
        for (const QString &l : lines) QVERIFY2(!l.back().isHighSurrogate(), qPrintable(l));
    }

    void oneParagraphWrapsWithinTheMargins() {
        page().setCurrentY(1000);
        const int lines = PrintWrappedText::print(page(), box(kLorem), 600, 600, 300, 10, false);
        page().endDoc();
        const QList<PageOp> texts = m_device->texts();
        QVERIFY(lines > 2);
        QCOMPARE(texts.size(), lines);
        const double printable = 6000 - 1200;
        double y = 1000;
        QStringList words;
        for (const PageOp &t : texts) {
            QCOMPARE(t.twips.left(), 600.0);
            QCOMPARE(t.twips.top(), y);
            QVERIFY2(t.twips.width() <= printable, qPrintable(t.text));
            QCOMPARE(t.font.name, QStringLiteral("Verdana"));
            QCOMPARE(t.font.size, 9.0);
            QVERIFY(!t.text.endsWith(u' '));
            y += t.twips.height();
            words += t.text.split(u' ');
        }
        QCOMPARE(words.join(u' '), kLorem);
        // Each line is as full as it may be: its next word would not have fitted.
        for (int i = 0; i + 1 < texts.size(); ++i) {
            const QString longer = texts[i].text + u' ' + texts[i + 1].text.section(u' ', 0, 0);
            QVERIFY2(page().textWidth(longer) > printable, qPrintable(longer));
        }
        QCOMPARE(m_device->pageCount(), 1);
    }

    void twoParagraphsKeepTheirEmptyLine() {
        const QString text = QStringLiteral("Primo paragrafo.\r\n\r\nSecondo paragrafo.");
        QCOMPARE(PrintWrappedText::print(page(), box(text), 600, 600, 300, 10, false), 3);
        page().endDoc();
        const QList<PageOp> texts = m_device->texts();
        QCOMPARE(texts.size(), 3);
        QCOMPARE(texts[0].text, QStringLiteral("Primo paragrafo."));
        QCOMPARE(texts[1].text, QString());
        QCOMPARE(texts[2].text, QStringLiteral("Secondo paragrafo."));
        const double h = texts[0].twips.height();
        QCOMPARE(texts[1].twips.top(), h);
        QCOMPARE(texts[2].twips.top(), 2 * h);
    }

    void wordWiderThanTheLineIsSplitByCharacters() {
        const QString word = QStringLiteral("Precipitevolissimevolmente").repeated(3);
        PrintWrappedText::print(page(), box(word), 2500, 2500, 300, 10, false);
        page().endDoc();
        const QList<PageOp> texts = m_device->texts();
        QVERIFY(texts.size() >= 3);
        QString joined;
        for (int i = 0; i < texts.size(); ++i) {
            QVERIFY(texts[i].twips.width() <= 1000);
            if (i + 1 < texts.size()) {
                const QString oneMore = texts[i].text + texts[i + 1].text.left(1);
                QVERIFY(page().textWidth(oneMore) > 1000);
            }
            joined += texts[i].text;
        }
        QCOMPARE(joined, word);
    }

    void textReachingTheBottomMarginGoesOnAtTheTopMargin() {
        usePage(QSizeF(6000, 3000));
        const QString text = (kLorem + QStringLiteral("\r\n")).repeated(4);
        page().setCurrentY(1200);
        const int lines = PrintWrappedText::print(page(), box(text), 600, 600, 300, 10, false);
        page().endDoc();
        QCOMPARE(m_device->documents.size(), 1);
        const auto &pages = m_device->documents[0].pages;
        QVERIFY(pages.size() >= 2);
        int counted = 0;
        for (int p = 0; p < pages.size(); ++p) {
            QVERIFY(!pages[p].isEmpty());
            if (p > 0) QCOMPARE(pages[p].first().twips.top(), 300.0);
            for (const PageOp &op : pages[p]) {
                QVERIFY2(op.twips.bottom() <= 3000 - 10, qPrintable(op.text));
                ++counted;
            }
            // The page was full: the first line of the next page did not fit under it.
            if (p + 1 < pages.size())
                QVERIFY(pages[p].last().twips.bottom() + pages[p + 1].first().twips.height() >
                        3000 - 10);
        }
        QCOMPARE(counted, lines);
    }

    void alignment_data() {
        QTest::addColumn<int>("align");
        QTest::newRow("left") << int(TextAlign::Left);
        QTest::newRow("right") << int(TextAlign::Right);
        QTest::newRow("centre") << int(TextAlign::Center);
    }
    void alignment() {
        QFETCH(int, align);
        const double left = 700, right = 900;
        PrintWrappedText::print(page(), box(kLorem, TextAlign(align)), left, right, 300, 10, false);
        page().endDoc();
        const double printable = 6000 - left - right;
        const QList<PageOp> texts = m_device->texts();
        QVERIFY(texts.size() > 2);
        for (const PageOp &t : texts) {
            const double w = t.twips.width();
            double expected = left;
            if (TextAlign(align) == TextAlign::Right) expected = 6000 - right - w;
            if (TextAlign(align) == TextAlign::Center) expected = left + (printable - w) / 2;
            QCOMPARE(t.twips.left(), expected);
        }
    }

    void selectionOnlyPrintsTheSelection() {
        WrappedTextBox b = box(kLorem);
        b.selectedText = QStringLiteral("i biglietti da visita");
        QCOMPARE(PrintWrappedText::print(page(), b, 600, 600, 300, 10, true), 1);
        page().endDoc();
        QCOMPARE(m_device->texts().size(), 1);
        QCOMPARE(m_device->texts()[0].text, b.selectedText);
    }

    void nothingIsPrinted_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("left");
        QTest::addColumn<double>("right");
        QTest::addColumn<double>("top");
        QTest::addColumn<double>("bottom");
        QTest::newRow("empty text") << QString() << 600.0 << 600.0 << 300.0 << 10.0;
        QTest::newRow("no width left") << kLorem << 3000.0 << 3000.0 << 300.0 << 10.0;
        QTest::newRow("no height left") << kLorem << 600.0 << 600.0 << 10000.0 << 6838.0;
    }
    void nothingIsPrinted() {
        QFETCH(QString, text);
        QFETCH(double, left);
        QFETCH(double, right);
        QFETCH(double, top);
        QFETCH(double, bottom);
        QCOMPARE(PrintWrappedText::print(page(), box(text), left, right, top, bottom, false), 0);
        page().endDoc();
        QCOMPARE(m_device->operations().size(), 0);
    }

    void missingPrinterPrintsNothing() {
        m_device->setFailing(true);
        PrintWrappedText::print(page(), box(kLorem), 600, 600, 300, 10, false);
        page().endDoc();
        QCOMPARE(m_device->operations().size(), 0);
        QVERIFY(!page().ok());
    }
};

QTEST_MAIN(TestPrintWrappedText)
#include "tst_printwrappedtext.moc"
