// The printed help topic: layout, fonts, margins and the closing rule.
#include <QtTest>
#include <memory>

#include "app/HelpTopicPrint.h"
#include "app/HelpTopics.h"
#include "printing/PrinterPage.h"
#include "printing/QPrinterPageDevice.h"
#include "printing/RecordingPageDevice.h"
#include "support/PdfReadBack.h"

namespace {

WrappedTextBox verdana9(const QString &text) {
    WrappedTextBox b;
    b.text = text;
    b.font.name = QStringLiteral("Verdana");
    b.font.size = 9;
    return b;
}

}  // namespace

class TestHelpTopicPrint : public QObject {
    Q_OBJECT

private:
    std::shared_ptr<RecordingPageDevice> m_device;
    PrinterPage &page() { return PrinterPage::printer(); }

private slots:
    void init() {
        page().reset();
        m_device = std::make_shared<RecordingPageDevice>();
        page().setDevice(m_device);
    }
    void cleanup() { page().reset(); }

    void layout() {
        // Leftovers of an earlier printout must not reach the topic.
        page().setOrientation(PrinterPage::Landscape);
        page().setScaleMode(PrinterPage::Centimeters);
        page().font().italic = true;
        page().font().underline = true;

        HelpTopicPrint::print(page(), QStringLiteral("  Uno sguardo a Cartaflex  "),
                              verdana9(QStringLiteral("Primo.\r\n\r\nSecondo.")));

        QCOMPARE(m_device->documents.size(), 1);
        QCOMPARE(m_device->documents[0].orientation, int(PrinterPage::Portrait));
        QVERIFY(!m_device->documentOpen());
        const QList<PageOp> t = m_device->texts();
        QCOMPARE(t.size(), 5 + 3 + 3);

        PageFont title;
        title.name = QStringLiteral("Verdana");
        title.size = 10;
        title.bold = true;
        double y = 0;
        const QStringList head = {" ", " ", " ", "Uno sguardo a Cartaflex", ""};
        for (int i = 0; i < 5; ++i) {
            QCOMPARE(t[i].text, head[i]);
            QCOMPARE(t[i].font, title);
            QCOMPARE(t[i].scaleMode, int(PrinterPage::Twips));
            QCOMPARE(t[i].scaleLeft, -600.0);
            QCOMPARE(t[i].x, 0.0);
            QCOMPARE(t[i].twips.left(), 600.0);
            QCOMPARE(t[i].twips.top(), y);
            y += t[i].twips.height();
        }
        // The text: scale left 0, left margin 600, the box's font.
        const QStringList body = {"Primo.", "", "Secondo."};
        for (int i = 0; i < 3; ++i) {
            const PageOp &op = t[5 + i];
            QCOMPARE(op.text, body[i]);
            QCOMPARE(op.scaleLeft, 0.0);
            QCOMPARE(op.x, 600.0);
            QCOMPARE(op.twips.left(), 600.0);
            QCOMPARE(op.twips.top(), y);
            QCOMPARE(op.font.size, 9.0);
            QVERIFY(!op.font.bold);
            y += op.twips.height();
        }
        // One empty line in the text's font, the rule in Verdana 6, one empty line.
        QCOMPARE(t[8].text, QString());
        QCOMPARE(t[8].font.size, 9.0);
        QCOMPARE(t[8].scaleLeft, -600.0);
        QCOMPARE(t[9].text, QString(59, u'_'));
        PageFont rule;
        rule.name = QStringLiteral("Verdana");
        rule.size = 6;
        QCOMPARE(t[9].font, rule);
        QCOMPARE(t[9].twips.left(), 600.0);
        QCOMPARE(t[9].twips.top(), y + t[8].twips.height());
        QCOMPARE(t[10].text, QString());
        QCOMPARE(t[10].font, rule);
    }

    void longTopicGoesOnOnANewPageAt300Twips() {
        const HelpTopic topic = *HelpTopics::find(QStringLiteral("iva"));
        m_device = std::make_shared<RecordingPageDevice>(QSizeF(11906, 4000));
        page().setDevice(m_device);
        HelpTopicPrint::print(page(), topic.title, verdana9(HelpTopics::text(topic.paragraphs)));
        QCOMPARE(m_device->documents.size(), 1);
        const auto &pages = m_device->documents[0].pages;
        QVERIFY(pages.size() >= 2);
        QCOMPARE(pages[1].first().twips.top(), 300.0);
        QCOMPARE(pages[1].first().scaleLeft, 0.0);
        for (const auto &p : pages)
            for (const PageOp &op : p)
                if (op.scaleLeft == 0.0) QVERIFY(op.twips.bottom() <= 4000 - 10);
    }

    void missingPrinterPrintsNothing() {
        m_device->setFailing(true);
        HelpTopicPrint::print(page(), QStringLiteral("Titolo"), verdana9(QStringLiteral("Testo")));
        QCOMPARE(m_device->operations().size(), 0);
        QCOMPARE(m_device->documents.size(), 0);
    }

    // The whole topic on a real PDF page: the title and the rule sit where the layout says.
    void pdfWordPositions() {
        const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
        if (pdftotext.isEmpty()) QSKIP("pdftotext is not installed");
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("argomento.pdf"));
        page().setDevice(std::make_shared<QPrinterPageDevice>(QPrinterPageDevice::forPdf(pdf)));
        const HelpTopic topic = *HelpTopics::find(QStringLiteral("menu"));
        HelpTopicPrint::print(page(), topic.title, verdana9(HelpTopics::text(topic.paragraphs)));
        QVERIFY(page().finishJob());
        if (qEnvironmentVariableIsSet("CARTAFLEX_KEEP_PDF"))
            QFile::copy(pdf, qEnvironmentVariable("CARTAFLEX_KEEP_PDF"));

        const QString html = PdfReadBack::wordBoxes(pdf);
        const QRegularExpression word(
            QStringLiteral("<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" xMax=\"([0-9.]+)\" "
                           "yMax=\"([0-9.]+)\">([^<]*)</word>"));
        QList<QRegularExpressionMatch> words;
        for (auto it = word.globalMatch(html); it.hasNext();) words.append(it.next());
        QVERIFY(words.size() > 50);
        // "Uno" of the title: 600 twips = 30 pt from the left edge, below three lines.
        QCOMPARE(words[0].captured(5), QStringLiteral("Uno"));
        QVERIFY(qAbs(words[0].captured(1).toDouble() - 30.0) < 1.0);
        QVERIFY(words[0].captured(2).toDouble() > 30.0);
        // Every word of the text lies between the margins (600 twips = 30 pt each side).
        const double pageWidth = 595.3;
        for (const auto &w : words) {
            QVERIFY2(w.captured(1).toDouble() >= 29.0, qPrintable(w.captured(5)));
            QVERIFY2(w.captured(3).toDouble() <= pageWidth - 29.0, qPrintable(w.captured(5)));
        }
        QCOMPARE(words.last().captured(5), QString(59, u'_'));
    }
};

QTEST_MAIN(TestHelpTopicPrint)
#include "tst_helptopicprint.moc"
