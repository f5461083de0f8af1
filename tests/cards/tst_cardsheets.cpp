// The four card sheets through the print job and the form printer, read back from the
// recording page device.
#include <QTest>
#include <memory>

#include "cards/CardContent.h"
#include "cards/CardLayout.h"
#include "cards/CardPicture.h"
#include "cards/CardPrintJob.h"
#include "cards/CardTexts.h"
#include "platform/VbColor.h"
#include "printing/LogoFit.h"
#include "printing/PrinterPage.h"
#include "printing/RecordingPageDevice.h"
#include "support/TestEnvironment.h"

using F = ContactRecord::Field;
Q_DECLARE_METATYPE(CardFormat)

namespace {

CardContent sampleContent(CardFormat format) {
    CardContent c;
    for (F f : CardTexts::boxesOf(format))
        c.texts[f] = QStringLiteral("  %1 di prova  ").arg(ContactRecord::fieldName(f));
    c.titleColor = 255;          // red
    c.subtitleColor = 0xC00000;  // dark blue
    QImage logo(40, 40, QImage::Format_RGB32);
    logo.fill(Qt::green);
    c.logo = logo;
    return c;
}

QList<PageOp> textsOf(const QList<PageOp> &ops, const QString &text) {
    QList<PageOp> out;
    for (const PageOp &op : ops)
        if (op.kind == PageOp::Text && op.text == text) out << op;
    return out;
}

}  // namespace

class TestCardSheets : public QObject {
    Q_OBJECT
    std::shared_ptr<RecordingPageDevice> rec;

    void runJob(CardFormat format, const CardContent &content, int pages = 1) {
        CardPrintJob job;
        QVERIFY(job.run(PrinterPage::printer(), format, content, pages));
    }

private slots:
    void init() {
        PrinterPage::printer().reset();
        rec = std::make_shared<RecordingPageDevice>();
        PrinterPage::printer().setDevice(rec);
    }

    void formats_data() {
        QTest::addColumn<CardFormat>("format");
        QTest::newRow("small with logo") << CardFormat::SmallLogo;
        QTest::newRow("small without logo") << CardFormat::SmallNoLogo;
        QTest::newRow("medium") << CardFormat::Medium;
        QTest::newRow("large") << CardFormat::Large;
    }

    void workedCheckOfTheSmallSheet() {
        TestEnvironment env;
        CardContent c = sampleContent(CardFormat::SmallLogo);
        runJob(CardFormat::SmallLogo, c);
        const QList<PageOp> titles = textsOf(rec->texts(), QStringLiteral("Titolo di prova"));
        QCOMPARE(titles.size(), 21);
        bool found = false;
        for (const PageOp &op : titles)
            if (qFuzzyCompare(op.x, 8955.0) && qFuzzyCompare(op.y, 13365.0)) found = true;
        QVERIFY2(found, "no title at (8955, 13365)");
        // The cards fill the sheet along its rows: card 1 is column 1, row 0; card 20 is
        // column 2, row 6.
        QCOMPARE(CardLayout::of(CardFormat::SmallLogo).cellOrigin(1), QPoint(4005, 315));
        QCOMPARE(CardLayout::of(CardFormat::SmallLogo).cellOrigin(20), QPoint(7605, 13275));
    }

    void gridAndDividersAreCellEdges_data() { formats_data(); }
    void gridAndDividersAreCellEdges() {
        QFETCH(CardFormat, format);
        const CardLayout &l = CardLayout::of(format);
        QCOMPARE(l.cards(), CardFormats::cardsPerPage(format));
        QCOMPARE(l.verticalDividers().size(), l.columns() - 1);
        QCOMPARE(l.horizontalDividers().size(), l.rows() - 1);
        for (int c = 1; c < l.columns(); ++c)
            QCOMPARE(l.verticalDividers()[c - 1], l.grid().left() + c * l.cellWidth());
        for (int r = 1; r < l.rows(); ++r)
            QCOMPARE(l.horizontalDividers()[r - 1], l.grid().top() + r * l.cellHeight());
        // Every field and the logo stay inside the card.
        const QRect cell(0, 0, l.cellWidth(), l.cellHeight());
        for (const CardField &f : l.fields())
            QVERIFY2(cell.contains(f.rect()), qPrintable(CardTexts::boxName(f.field)));
        if (l.logo()) QVERIFY(cell.contains(*l.logo()));
    }

    void sheetBounds_data() {
        QTest::addColumn<CardFormat>("format");
        QTest::addColumn<QRect>("grid");
        QTest::newRow("small") << CardFormat::SmallLogo
                               << QRect(QPoint(405, 315), QPoint(11204, 15434));
        QTest::newRow("small, no logo")
            << CardFormat::SmallNoLogo << QRect(QPoint(405, 315), QPoint(11204, 15434));
        QTest::newRow("medium") << CardFormat::Medium
                                << QRect(QPoint(1350, 945), QPoint(10079, 14894));
        QTest::newRow("large") << CardFormat::Large
                               << QRect(QPoint(405, 765), QPoint(11204, 15164));
    }
    void sheetBounds() {
        QFETCH(CardFormat, format);
        QFETCH(QRect, grid);
        QCOMPARE(CardLayout::of(format).grid(), grid);
    }

    void everyCardCarriesTheTexts_data() { formats_data(); }
    void everyCardCarriesTheTexts() {
        QFETCH(CardFormat, format);
        TestEnvironment env;
        const CardContent c = sampleContent(format);
        runJob(format, c);
        const CardLayout &l = CardLayout::of(format);
        const QList<PageOp> texts = rec->texts();
        QCOMPARE(texts.size(), l.cards() * CardTexts::boxesOf(format).size());
        for (F f : CardTexts::boxesOf(format)) {
            const CardField *field = l.field(f);
            QVERIFY(field);
            const QString text = ContactRecord::trimBlanks(c.texts[f]);
            const QList<PageOp> ops = textsOf(texts, text);
            QCOMPARE(ops.size(), l.cards());
            for (int k = 0; k < l.cards(); ++k) {
                const QPoint o = l.cellOrigin(k);
                const PageOp &op = ops[k];
                QCOMPARE(op.y, double(o.y() + field->top));
                const double expectedX = field->alignment == 1
                                             ? o.x() + field->left + field->width - op.w
                                             : double(o.x() + field->left);
                QVERIFY2(std::abs(op.x - expectedX) < 0.01, qPrintable(text));
                QCOMPARE(op.font.name, QString::fromLatin1(field->fontName));
                QCOMPARE(op.font.size, field->fontSize);
                QCOMPARE(op.font.isBold(), field->bold);
                QCOMPARE(op.font.italic, field->italic);
                QCOMPARE(op.font.weight, field->bold ? 700 : 400);
                QVERIFY(!op.font.underline && !op.font.strikethrough);
            }
        }
    }

    // On paper, a box left at its design text or holding only its prefix (what the
    // search's hand-off puts into an empty telephone box) prints nothing, and the sample
    // logo leaves its box blank; the screen keeps showing them.
    void designTextsPrefixesAndSampleLogoPrintNothing_data() {
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("printed");
        QTest::addColumn<bool>("sampleLogo");
        QTest::newRow("fax prefix") << int(F::Fax) << "Fax "
                                    << "" << false;
        QTest::newRow("mobile prefix, blanks") << int(F::Cel) << "  Cel.  "
                                               << "" << false;
        QTest::newRow("telephone prefix") << int(F::Tel) << "Tel. "
                                          << "" << true;
        QTest::newRow("VAT prefix") << int(F::Iva) << "P.IVA "
                                    << "" << false;
        QTest::newRow("town design text") << int(F::Citta) << "Città"
                                          << "" << false;
        QTest::newRow("information design text")
            << int(F::Informazioni) << "Informazioni aggiuntive"
            << "" << true;
        QTest::newRow("title design text") << int(F::Titolo) << "Persona o azienda"
                                           << "" << false;
        QTest::newRow("a number after the prefix") << int(F::Tel) << "Tel. 06 123456"
                                                   << "Tel. 06 123456" << false;
        QTest::newRow("a town that starts so") << int(F::Citta) << " Città di Castello"
                                               << "Città di Castello" << false;
    }
    void designTextsPrefixesAndSampleLogoPrintNothing() {
        QFETCH(int, field);
        QFETCH(QString, text);
        QFETCH(QString, printed);
        QFETCH(bool, sampleLogo);
        TestEnvironment env;
        const CardFormat format = CardFormat::Large;
        CardContent c = sampleContent(format);
        c.texts[F(field)] = text;
        if (sampleLogo) c.logo = CardPicture::sample(format);
        runJob(format, c);
        const int cards = CardLayout::of(format).cards();
        const QList<PageOp> texts = rec->texts();
        if (printed.isEmpty())
            QVERIFY(textsOf(texts, ContactRecord::trimBlanks(text)).isEmpty());
        else
            QCOMPARE(textsOf(texts, printed).size(), cards);
        QCOMPARE(textsOf(texts, QString()).size(), printed.isEmpty() ? cards : 0);
        // The sample logo gives way to the blank one: one white pixel, nothing on paper.
        const QList<PageOp> pictures = rec->pictures();
        QCOMPARE(pictures.size(), cards);
        for (const PageOp &op : pictures)
            QCOMPARE(op.twips.size().toSize() == QSize(15, 15), sampleLogo);
    }

    void onlyTitleAndSubtitleTakeColours_data() { formats_data(); }
    void onlyTitleAndSubtitleTakeColours() {
        QFETCH(CardFormat, format);
        TestEnvironment env;
        const CardContent c = sampleContent(format);
        runJob(format, c);
        for (const PageOp &op : rec->texts()) {
            QColor want = Qt::black;
            if (op.text == QStringLiteral("Titolo di prova")) want = VbColor::toColor(255);
            if (op.text == QStringLiteral("Sottotitolo di prova"))
                want = VbColor::toColor(0xC00000);
            QCOMPARE(op.color, want);
        }
        for (const PageOp &op : rec->lines()) QCOMPARE(op.color, QColor(Qt::black));
    }

    void linesAreCutGuidesAndRulesWithPenFive_data() { formats_data(); }
    void linesAreCutGuidesAndRulesWithPenFive() {
        QFETCH(CardFormat, format);
        TestEnvironment env;
        runJob(format, sampleContent(format));
        const CardLayout &l = CardLayout::of(format);
        const QList<PageOp> lines = rec->lines();
        QCOMPARE(lines.size(),
                 4 + l.verticalDividers().size() + l.horizontalDividers().size() + 2 * l.cards());
        for (const PageOp &op : lines) QCOMPARE(op.drawWidth, 5);
        // The grid's outer rectangle is there.
        auto has = [&](double x1, double y1, double x2, double y2) {
            for (const PageOp &op : lines)
                if (op.x == x1 && op.y == y1 && op.x2 == x2 && op.y2 == y2) return true;
            return false;
        };
        const QRect g = l.grid();
        QVERIFY(has(g.left(), g.top(), l.gridRight(), g.top()));
        QVERIFY(has(g.left(), l.gridBottom(), l.gridRight(), l.gridBottom()));
        for (int x : l.verticalDividers()) QVERIFY(has(x, g.top(), x, l.gridBottom()));
        for (int y : l.horizontalDividers()) QVERIFY(has(g.left(), y, l.gridRight(), y));
    }

    void eightSmallCellsHaveTheLongerRule() {
        const CardLayout &l = CardLayout::of(CardFormat::SmallLogo);
        int longer = 0;
        for (int k = 0; k < l.cards(); ++k) {
            const QList<CardLine> r = l.rules(k);
            QCOMPARE(r[0], (CardLine{1350, 360, 3510, 360}));
            if (r[1] == CardLine{45, 1890, 3510, 1890})
                ++longer;
            else
                QCOMPARE(r[1], (CardLine{90, 1890, 3555, 1890}));
        }
        QCOMPARE(longer, 8);
    }

    void logoOnEveryCardAtItsBox_data() { formats_data(); }
    void logoOnEveryCardAtItsBox() {
        QFETCH(CardFormat, format);
        TestEnvironment env;
        runJob(format, sampleContent(format));
        const CardLayout &l = CardLayout::of(format);
        const QList<PageOp> pics = rec->pictures();
        if (!l.logo()) {
            QVERIFY(pics.isEmpty());
            return;
        }
        QCOMPARE(pics.size(), l.cards());
        for (int k = 0; k < l.cards(); ++k) {
            const QRect box = l.logo()->translated(l.cellOrigin(k));
            // The 40-pixel picture itself, at the box's top-left corner, at its own size.
            const QImage &shown = pics[k].image;
            QCOMPARE(pics[k].twips,
                     QRectF(box.topLeft(), LogoFit::sizeInBox(shown, QSizeF(box.size()))));
            QVERIFY(pics[k].twips.width() <= box.width() && pics[k].twips.height() <= box.height());
            QCOMPARE(QColor(shown.pixel(2, 2)), QColor(Qt::green));
        }
    }

    void blankLogoPrintsAWhiteBox() {
        TestEnvironment env;
        CardContent c = sampleContent(CardFormat::Medium);
        c.logo = CardPicture::blank();
        runJob(CardFormat::Medium, c);
        const PageOp &op = rec->pictures().first();
        // One white pixel at its own size (nothing shows on paper).
        QCOMPARE(op.twips.size().toSize(), QSize(15, 15));
        QImage shown = op.image.convertToFormat(QImage::Format_RGB32);
        for (int y = 0; y < shown.height(); y += 7)
            for (int x = 0; x < shown.width(); x += 7)
                QCOMPARE(QColor(shown.pixel(x, y)), QColor(Qt::white));
    }

    void pagesAreDocuments_data() {
        QTest::addColumn<int>("pages");
        QTest::newRow("none") << 0;
        QTest::newRow("one") << 1;
        QTest::newRow("twelve") << 12;
    }
    void pagesAreDocuments() {
        QFETCH(int, pages);
        TestEnvironment env;
        runJob(CardFormat::SmallNoLogo, sampleContent(CardFormat::SmallNoLogo), pages);
        QCOMPARE(rec->documents.size(), pages);
        QVERIFY(!rec->documentOpen());
        for (const auto &d : rec->documents) {
            QCOMPARE(d.pages.size(), 1);
            QCOMPARE(d.orientation, 1);
            QCOMPARE(d.pages.first().size(), rec->documents.first().pages.first().size());
        }
        QCOMPARE(env.platform().busyDepth, 0);
        QVERIFY(env.platform().busyShown >= 1);
    }

    void jobSetsPortraitAndTwips() {
        TestEnvironment env;
        PrinterPage &p = PrinterPage::printer();
        p.setOrientation(PrinterPage::Landscape);
        p.setScaleMode(PrinterPage::Centimeters);
        runJob(CardFormat::Large, sampleContent(CardFormat::Large));
        QCOMPARE(p.orientation(), int(PrinterPage::Portrait));
        QCOMPARE(p.scaleMode(), int(PrinterPage::Twips));
        QCOMPARE(rec->documents.first().orientation, 1);
    }

    void printerThatIsNotThereFailsTheJob() {
        TestEnvironment env;
        rec->setFailing(true);
        CardPrintJob job;
        QVERIFY(!job.run(PrinterPage::printer(), CardFormat::Medium,
                         sampleContent(CardFormat::Medium), 3));
        QVERIFY(!job.errorString().isEmpty());
        QVERIFY(rec->documents.isEmpty());
        QCOMPARE(env.platform().busyDepth, 0);
    }

    void designStateTexts() {
        const LayoutForm form = CardPrintJob::filledLayout(
            CardFormat::Large, CardContent::designState(CardFormat::Large));
        QCOMPARE(form.name, QStringLiteral("frmPrnCard04"));
        QCOMPARE(form.count(QStringLiteral("txtInformazioni")), 8);
        // The design texts and the sample logo stay off paper.
        QCOMPARE(form.control(QStringLiteral("txtInformazioni"), 7)->text, QString());
        QCOMPARE(form.control(QStringLiteral("txtCitta"), 0)->text, QString());
        QVERIFY(CardPicture::isBlank(form.control(QStringLiteral("picLogo"), 0)->picture));
        const LayoutForm small = LayoutForm::forCards(CardFormat::SmallNoLogo);
        QCOMPARE(small.count(QStringLiteral("picLogo")), 0);
        QCOMPARE(small.count(QStringLiteral("txtFax")), 0);
        QCOMPARE(small.count(QStringLiteral("txtEmail")), 21);
    }

    void pagesFromText_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("pages");
        QTest::newRow("empty") << "" << 0;
        QTest::newRow("zero") << "0" << 0;
        QTest::newRow("leading zero") << "05" << 5;
        QTest::newRow("twelve") << "12" << 12;
        QTest::newRow("999") << "999" << 999;
        QTest::newRow("digits then junk") << "7x" << 7;
        QTest::newRow("junk") << "x7" << 0;
    }
    void pagesFromText() {
        QFETCH(QString, text);
        QFETCH(int, pages);
        QCOMPARE(CardPrintJob::pagesFromText(text), pages);
    }
};

QTEST_MAIN(TestCardSheets)
#include "tst_cardsheets.moc"
