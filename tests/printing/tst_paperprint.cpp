// Paper-true printing on the recording device: fitted logos and texts, partial sheets,
// envelope paper, calibration of a queue (never of a PDF) and the preview's pages.
#include <QLineF>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <memory>

#include "archive/SettingsFile.h"
#include "cards/CardLayout.h"
#include "cards/CardPrintJob.h"
#include "envelopes/EnvelopePrinter.h"
#include "envelopes/EnvelopeSize.h"
#include "envelopes/OrientationWord.h"
#include "printing/CalibrationSettings.h"
#include "printing/PrintPreview.h"
#include "printing/PrintTarget.h"
#include "printing/PrinterList.h"
#include "printing/PrinterPage.h"
#include "printing/RecordingPageDevice.h"
#include "support/TestEnvironment.h"

using F = ContactRecord::Field;

class TestPaperPrint : public QObject {
    Q_OBJECT
    std::shared_ptr<RecordingPageDevice> rec;
    PrinterPage &page() { return PrinterPage::printer(); }

    static QImage picture(int w, int h, double dpi) {
        QImage image(w, h, QImage::Format_RGB32);
        image.fill(Qt::darkBlue);
        image.setDotsPerMeterX(qRound(dpi / 0.0254));
        image.setDotsPerMeterY(qRound(dpi / 0.0254));
        return image;
    }

private slots:
    void init() {
        page().reset();
        rec = std::make_shared<RecordingPageDevice>();
        page().setDevice(rec);
    }
    void cleanup() {
        PrinterList::useSystem();
        page().reset();
    }

    // Logo boxes: a picture that fits keeps its size, a larger one shrinks into the box.
    void logoFitsItsBox_data() {
        QTest::addColumn<int>("format");
        QTest::addColumn<QImage>("logo");
        QTest::addColumn<QSizeF>("drawn");
        QTest::newRow("small picture at its size") << 2 << picture(40, 30, 96) << QSizeF(600, 450);
        QTest::newRow("300 px square into the medium box")
            << 2 << picture(300, 300, 96) << QSizeF(1335, 1335);
        QTest::newRow("600 dpi wide picture into the large box")
            << 3 << picture(1200, 300, 600) << QSizeF(1560, 390);
    }
    void logoFitsItsBox() {
        QFETCH(int, format);
        QFETCH(QImage, logo);
        QFETCH(QSizeF, drawn);
        CardContent content = CardContent::designState(CardFormat(format));
        content.logo = logo;
        QVERIFY(CardPrintJob().run(page(), CardFormat(format), content, 1));
        const PageOp op = rec->pictures().first();
        QCOMPARE(op.twips.size().toSize(), drawn.toSize());
        QCOMPARE(op.image.size(), logo.size());  // the picture itself, at its own pixels
        const QRect box = CardLayout::of(CardFormat(format))
                              .logo()
                              ->translated(CardLayout::of(CardFormat(format)).cellOrigin(0));
        QCOMPARE(op.twips.topLeft().toPoint(), box.topLeft());
    }

    // Partial sheets: which cards of each sheet print, and their cut guides.
    void partialSheets_data() {
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("pages");
        QTest::addColumn<QList<int>>("titlesPerSheet");
        QTest::newRow("whole sheet as before") << 1 << 0 << 1 << QList<int>{21};
        QTest::newRow("from card 20 to the end") << 20 << 0 << 1 << QList<int>{2};
        QTest::newRow("from card 21, 4 cards") << 21 << 4 << 1 << QList<int>{1, 3};
        QTest::newRow("rest of two sheets") << 5 << 0 << 2 << QList<int>{17, 21};
    }
    void partialSheets() {
        QFETCH(int, first);
        QFETCH(int, count);
        QFETCH(int, pages);
        QFETCH(QList<int>, titlesPerSheet);
        CardContent content = CardContent::designState(CardFormat::SmallLogo);
        content.texts[F::Titolo] = QStringLiteral("Rossi");
        QVERIFY(CardPrintJob().run(page(), CardFormat::SmallLogo, content, pages, {first, count}));
        QCOMPARE(rec->documents.size(), titlesPerSheet.size());
        const CardLayout &layout = CardLayout::of(CardFormat::SmallLogo);
        for (int s = 0; s < titlesPerSheet.size(); ++s) {
            QList<QPointF> titles;
            for (const PageOp &op : rec->documents[s].pages.first())
                if (op.kind == PageOp::Text && op.text == QLatin1String("Rossi"))
                    titles << op.twips.topLeft();
            QCOMPARE(titles.size(), titlesPerSheet[s]);
            // Sheet 1 starts at card `first`, the next ones at card 1.
            const int start = s == 0 ? first - 1 : 0;
            QCOMPARE(titles.first().toPoint(),
                     layout.cellOrigin(start) + layout.field(F::Titolo)->rect().topLeft());
        }
        // The cut guides of the first sheet: the whole grid as before, or only edges of
        // printed cards (no guide runs through a card that is not printed).
        QList<QLineF> cuts;
        for (const PageOp &op : rec->documents[0].pages.first())
            if (op.kind == PageOp::Line) cuts << QLineF(op.twips.topLeft(), op.twips.bottomRight());
        const int start = first - 1, printed = titlesPerSheet[0];
        if (printed == layout.cards()) {
            QCOMPARE(cuts.size() - 2 * printed, layout.cutLines().size());
            return;
        }
        const QRect firstPrinted(layout.cellOrigin(start),
                                 QSize(layout.cellWidth(), layout.cellHeight()));
        for (int k = 0; k < start; ++k) {
            const QRectF skipped(QPointF(layout.cellOrigin(k)) + QPointF(1, 1),
                                 QSizeF(layout.cellWidth() - 2, layout.cellHeight() - 2));
            for (const QLineF &l : cuts) QVERIFY(!skipped.contains(l.center()));
        }
        QVERIFY(cuts.contains(
            QLineF(firstPrinted.topLeft(),
                   QPointF(firstPrinted.left() + layout.cellWidth(), firstPrinted.top()))));
    }

    // A title too long for the small card's box shrinks, or is cut, and stays inside.
    void textsFitTheirBox_data() {
        QTest::addColumn<QString>("title");
        QTest::addColumn<bool>("shrunk");
        QTest::addColumn<bool>("whole");
        QTest::newRow("fits: as today") << QStringLiteral("Rossi Srl") << false << true;
        QTest::newRow("25 characters shrink")
            << QStringLiteral("Ferramenta Bianchi Giorgi") << true << true;
        QTest::newRow("far too long is cut")
            << QStringLiteral("Studio Tecnico Associato Ingegneri Bianchi Lombardo e Figli") << true
            << false;
    }
    void textsFitTheirBox() {
        QFETCH(QString, title);
        QFETCH(bool, shrunk);
        QFETCH(bool, whole);
        CardContent content = CardContent::designState(CardFormat::SmallLogo);
        content.texts[F::Titolo] = title;
        QVERIFY(CardPrintJob().run(page(), CardFormat::SmallLogo, content, 1));
        const CardField *box = CardLayout::of(CardFormat::SmallLogo).field(F::Titolo);
        PageOp drawn;
        for (const PageOp &op : rec->texts())
            if (title.startsWith(op.text) && !op.text.isEmpty()) {
                drawn = op;
                break;
            }
        QCOMPARE(drawn.font.size < 9.75, shrunk);
        QVERIFY(drawn.font.size >= 9.75 * 0.7 - 1e-9);
        QCOMPARE(drawn.text == title, whole);
        QVERIFY(drawn.twips.right() <= CardLayout::of(CardFormat::SmallLogo).cellOrigin(0).x() +
                                           box->left + box->width + 0.5);
    }

    // Every envelope size prints on the paper its caption names; without a size, A4.
    void envelopePaper_data() {
        QTest::addColumn<int>("size");
        QTest::addColumn<QSizeF>("mm");
        static const QRegularExpression mm(QStringLiteral("\\((\\d+) × (\\d+) mm\\)$"));
        for (int i = 0; i < EnvelopeSize::kCount; ++i) {
            const auto size = EnvelopeSize::Size(i);
            const QRegularExpressionMatch m = mm.match(EnvelopeSize::caption(size));
            if (size == EnvelopeSize::Size::Printer) continue;
            QVERIFY2(m.hasMatch(), qPrintable(EnvelopeSize::caption(size)));
            QTest::newRow(qPrintable(EnvelopeSize::caption(size)))
                << i << QSizeF(m.captured(1).toDouble(), m.captured(2).toDouble());
        }
    }
    void envelopePaper() {
        QFETCH(int, size);
        QFETCH(QSizeF, mm);
        EnvelopeContent c = EnvelopeContent::design();
        c.paper = EnvelopeSize::paper(EnvelopeSize::Size(size));
        // A logo the user chose, larger than the box (the sample globe is never printed).
        QImage chosen(400, 300, QImage::Format_RGB32);
        chosen.fill(Qt::darkBlue);
        c.logo = chosen;
        QVERIFY(EnvelopePrinter::print(c, page()));
        QCOMPARE(rec->documents.first().paper.millimetres, mm);
        QCOMPARE(EnvelopeContent::design().paper, Paper::a4());
        // The envelope logo never exceeds the composer's box (2.1 × 2.4 cm).
        const PageOp logo = rec->pictures().first();
        QVERIFY(logo.twips.width() <= 79 * 15 + 0.5 && logo.twips.height() <= 90 * 15 + 0.5);
    }

    // A calibrated queue gets every line, picture and text of the page moved, and
    // stretched from the printable area's corner across and down each by its own scale (a
    // text keeps its font's size); a PDF file or a queue whose key is no calibration gets
    // the page as it is.
    void calibrationOnQueuesOnly_data() {
        QTest::addColumn<bool>("pdf");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QPointF>("offsetMm");
        QTest::addColumn<QPointF>("scale");
        QTest::newRow("queue, offset")
            << false << QStringLiteral("2.0 -1.0 100 100") << QPointF(2, -1) << QPointF(1, 1);
        QTest::newRow("queue, narrower and taller")
            << false << QStringLiteral("0 0 98 102") << QPointF(0, 0) << QPointF(0.98, 1.02);
        QTest::newRow("queue, offset and wider, shorter")
            << false << QStringLiteral("-1.5 3.0 101.5 99") << QPointF(-1.5, 3)
            << QPointF(1.015, 0.99);
        QTest::newRow("queue, garbage key")
            << false << QStringLiteral("due 1 2") << QPointF(0, 0) << QPointF(1, 1);
        QTest::newRow("PDF file") << true << QStringLiteral("2.0 -1.0 100 100") << QPointF(0, 0)
                                  << QPointF(1, 1);
    }
    void calibrationOnQueuesOnly() {
        QFETCH(bool, pdf);
        QFETCH(QString, stored);
        QFETCH(QPointF, offsetMm);
        QFETCH(QPointF, scale);
        TestEnvironment env;
        SettingsFile settings;
        QVERIFY(settings.write(QString::fromLatin1(CalibrationSettings::kSection),
                               QStringLiteral("Ufficio"), stored));
        PrinterList::setFixed({QStringLiteral("Ufficio")}, QStringLiteral("Ufficio"));
        const auto job = [](PrinterPage &p) {
            CardContent content = CardContent::designState(CardFormat::Medium);
            content.logo = picture(300, 300, 96);
            return CardPrintJob().run(p, CardFormat::Medium, content, 1);
        };
        QVERIFY(job(page()));
        page().endDoc();
        const QList<PageOp> plain = rec->operations();
        auto queue = std::make_shared<RecordingPageDevice>();
        page().setQueueDeviceFactory([queue](const QString &) { return queue; });
        const QString file = env.file(QStringLiteral("prova.pdf"));
        PrintToTarget print;
        QVERIFY(print.run(pdf ? PrintTarget::toPdf(file) : PrintTarget::toQueue("Ufficio"), job));
        if (pdf) {
            QVERIFY(queue->operations().isEmpty());
            QVERIFY(QFile::exists(file));
            return;
        }
        const auto moved = [&](QPointF p) {
            return QPointF(p.x() * scale.x() + offsetMm.x() * 1440 / 25.4,
                           p.y() * scale.y() + offsetMm.y() * 1440 / 25.4);
        };
        const QList<PageOp> got = queue->operations();
        QCOMPARE(got.size(), plain.size());
        QSet<int> kinds;
        for (int i = 0; i < got.size(); ++i) {
            const PageOp &before = plain.at(i);
            const QRectF want =
                before.kind == PageOp::Text
                    ? QRectF(moved(before.twips.topLeft()), before.twips.size())
                    : QRectF(moved(before.twips.topLeft()), moved(before.twips.bottomRight()));
            const QRectF &is = got.at(i).twips;
            QVERIFY2(QLineF(is.topLeft(), want.topLeft()).length() < 0.01 &&
                         QLineF(is.bottomRight(), want.bottomRight()).length() < 0.01,
                     qPrintable(QStringLiteral("operation %1 of kind %2").arg(i).arg(before.kind)));
            kinds.insert(before.kind);
        }
        QCOMPARE(kinds, (QSet<int>{PageOp::Text, PageOp::Line, PageOp::Picture}));
    }

    // The settings file keeps a queue's calibration only when it changes the page.
    void calibrationKeptOnlyWhenItChangesThePage_data() {
        QTest::addColumn<QString>("entered");
        QTest::addColumn<QString>("kept");
        QTest::newRow("offset") << "0.5 0 100 100"
                                << "0.5 0.0 100.0 100.0";
        QTest::newRow("scale down") << "0 0 100 99.5"
                                    << "0.0 0.0 100.0 99.5";
        QTest::newRow("none") << "0 0 100 100"
                              << "";
        QTest::newRow("rounds to none") << "0.04 -0.04 100.02 99.97"
                                        << "";
    }
    void calibrationKeptOnlyWhenItChangesThePage() {
        QFETCH(QString, entered);
        QFETCH(QString, kept);
        TestEnvironment env;
        SettingsFile settings;
        const QString section = QString::fromLatin1(CalibrationSettings::kSection);
        QVERIFY(settings.write(section, QStringLiteral("Ufficio"), QStringLiteral("1 1 101 101")));
        const auto c = PrinterCalibration::fromText(entered);
        QVERIFY(c);
        QVERIFY(CalibrationSettings::write(settings, QStringLiteral("Ufficio"), *c));
        QCOMPARE(settings.read(section, QStringLiteral("Ufficio")), kept);
        QVERIFY(CalibrationSettings::read(settings, QStringLiteral("Ufficio")) == *c);
    }

    // The preview's pages are the printed pages: same count, same operations, the same
    // printable area, upright or across.
    void previewShowsThePrintedPages_data() {
        QTest::addColumn<bool>("envelope");
        QTest::addColumn<QSize>("pageTwips");
        QTest::newRow("cards on A4, upright") << false << QSize(11906, 16838);
        QTest::newRow("DL envelope, across") << true << QSize(12472, 6236);
    }
    void previewShowsThePrintedPages() {
        QFETCH(bool, envelope);
        QFETCH(QSize, pageTwips);
        TestEnvironment env;
        const auto job = [envelope](PrinterPage &p) {
            if (envelope) {
                EnvelopeContent c = EnvelopeContent::design();
                c.paper = EnvelopeSize::paper(EnvelopeSize::Size::DL);
                c.orientation = OrientationWord::landscape();
                return EnvelopePrinter::print(c, p);
            }
            CardContent content = CardContent::designState(CardFormat::Large);
            return CardPrintJob().run(p, CardFormat::Large, content, 3, {7, 0});
        };
        PrintPreview preview;
        QVERIFY(preview.record(PrintTarget::toPdf(env.file(QStringLiteral("x.pdf"))), job));
        QVERIFY(!QFile::exists(env.file(QStringLiteral("x.pdf"))));
        page().setDevice(rec);
        QVERIFY(job(page()));
        page().endDoc();
        QCOMPARE(preview.pages().size(), rec->pageCount());
        for (int i = 0; i < preview.pages().size(); ++i) {
            const QList<PageOp> &printed = rec->documents[i].pages.first();
            QCOMPARE(preview.pages()[i].operations.size(), printed.size());
            QCOMPARE(preview.pages()[i].operations.last().twips, printed.last().twips);
            QCOMPARE(preview.pages()[i].twips.toSize(), pageTwips);
        }
    }
};

QTEST_MAIN(TestPaperPrint)
#include "tst_paperprint.moc"
