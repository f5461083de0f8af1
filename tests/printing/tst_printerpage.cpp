// The printer page over the recording device and the PDF device.
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "printing/PrinterList.h"
#include "printing/PrinterPage.h"
#include "printing/QPrinterPageDevice.h"
#include "printing/RecordingPageDevice.h"
#include "support/PdfReadBack.h"

class TestPrinterPage : public QObject {
    Q_OBJECT
    std::shared_ptr<RecordingPageDevice> rec;
    PrinterPage &page() { return PrinterPage::printer(); }

private slots:
    void init() {
        PrinterList::useSystem();
        page().reset();
        rec = std::make_shared<RecordingPageDevice>(QSizeF(11906, 3000));
        page().setDevice(rec);
    }
    void cleanup() {
        PrinterList::useSystem();
        page().reset();
    }

    void printPlacesTextByItsTopLeftCorner() {
        page().setCurrentX(1000);
        page().setCurrentY(500);
        page().print(QStringLiteral("Riga"));
        const PageOp op = rec->texts().first();
        QCOMPARE(op.twips.topLeft(), QPointF(1000, 500));
        QCOMPARE(page().currentX(), 0.0);
        QCOMPARE(page().currentY(), 500 + op.h);
        page().print(QStringLiteral("Seconda"), false);
        QCOMPARE(page().currentY(), 500 + op.h);
        QCOMPARE(page().currentX(), rec->texts()[1].w);
    }

    void scaleLeftAndCentimetres_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<double>("scaleLeft");
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("twipsX");
        QTest::newRow("twips") << 1 << 0.0 << 100.0 << 100.0;
        QTest::newRow("twips, ScaleLeft -600") << 1 << -600.0 << 0.0 << 600.0;
        QTest::newRow("centimetres") << 7 << 0.0 << 2.54 << 1440.0;
        QTest::newRow("centimetres, ScaleLeft -1") << 7 << -1.0 << 1.54 << 1440.0;
    }
    void scaleLeftAndCentimetres() {
        QFETCH(int, mode);
        QFETCH(double, scaleLeft);
        QFETCH(double, x);
        QFETCH(double, twipsX);
        page().setScaleMode(mode);
        page().setScaleLeft(scaleLeft);
        page().setCurrentX(x);
        page().setCurrentY(mode == 7 ? 1.0 : 567.0);
        page().print(QStringLiteral("x"));
        page().line(x, 0, x, 1, Qt::red);
        page().endDoc();
        const PageOp t = rec->texts().first();
        QCOMPARE(t.x, x);  // the caller's unit is kept
        QVERIFY(std::abs(t.twips.left() - twipsX) < 0.01);
        QVERIFY(std::abs(t.twips.top() - (mode == 7 ? 1440 / 2.54 : 567)) < 0.01);
        QVERIFY(std::abs(rec->lines().first().twips.left() - twipsX) < 0.01);
        QCOMPARE(rec->lines().first().color, QColor(Qt::red));
        // Width and height come back in the caller's unit.
        const double w = page().textWidth(QStringLiteral("x"));
        QVERIFY(std::abs(w * page().unitTwips() - t.twips.width()) < 0.01);
    }

    void endDocWithNothingDrawnGivesNoSheet() {
        QVERIFY(page().endDoc());
        QVERIFY(page().endDoc());
        QVERIFY(rec->documents.isEmpty());
        page().print(QStringLiteral("a"));
        page().endDoc();
        page().endDoc();
        QCOMPARE(rec->documents.size(), 1);
    }

    void printingPastTheBottomGoesOnANewPage() {
        page().setCurrentY(0);
        int lines = 0;
        while (rec->documentOpen() == false || lines < 40) {
            page().setCurrentX(600);
            page().print(QStringLiteral("Riga %1").arg(lines));
            ++lines;
        }
        page().endDoc();
        QCOMPARE(rec->documents.size(), 1);
        const auto &pages = rec->documents.first().pages;
        QVERIFY(pages.size() >= 2);
        for (const auto &p : pages) {
            for (const PageOp &op : p) {
                QVERIFY(op.twips.bottom() <= 3000.01);
                QCOMPARE(op.twips.left(), 600.0);  // the line keeps its x on the new page
            }
        }
        QCOMPARE(pages[1].first().twips.top(), 0.0);
        QCOMPARE(pages[1].first().page, 2);
    }

    void newPageStartsAtTheTop() {
        page().setCurrentX(10);
        page().setCurrentY(900);
        page().print(QStringLiteral("uno"));
        page().newPage();
        QCOMPARE(page().currentY(), 0.0);
        page().print(QStringLiteral("due"));
        page().endDoc();
        QCOMPARE(rec->documents.first().pages.size(), 2);
    }

    void pictureAtOwnSizeOrStretched() {
        QImage img(96, 48, QImage::Format_RGB32);  // 96 dpi: one inch by half an inch
        img.fill(Qt::red);
        page().paintPicture(img, 100, 200);
        page().paintPicture(img, 100, 200, 500, 600);
        page().paintPicture(QImage(), 1, 1);  // nothing to draw
        page().endDoc();
        const QList<PageOp> p = rec->pictures();
        QCOMPARE(p.size(), 2);
        QVERIFY(std::abs(p[0].twips.width() - 1440) < 0.5);
        QVERIFY(std::abs(p[0].twips.height() - 720) < 0.5);
        QCOMPARE(p[1].twips, QRectF(100, 200, 500, 600));
    }

    void failingDeviceIsReported() {
        rec->setFailing(true);
        page().print(QStringLiteral("x"));
        QVERIFY(!page().ok());
        QVERIFY(!page().errorString().isEmpty());
        page().clearError();
        rec->setFailing(false);
        page().print(QStringLiteral("x"));
        QVERIFY(page().endDoc());
        QCOMPARE(rec->documents.size(), 1);
    }

    void selectingAQueue() {
        PrinterList::setFixed({QStringLiteral("Ufficio"), QStringLiteral("Magazzino")},
                              QStringLiteral("Magazzino"));
        page().reset();
        QCOMPARE(page().currentPrinter(), QStringLiteral("Magazzino"));
        QStringList made;
        auto office = std::make_shared<RecordingPageDevice>();
        page().setQueueDeviceFactory([&](const QString &q) {
            made << q;
            return office;
        });
        QVERIFY(!page().selectPrinter(QStringLiteral("ufficio")));  // exact, case-sensitive
        QCOMPARE(page().currentPrinter(), QStringLiteral("Magazzino"));
        QVERIFY(page().selectPrinter(QStringLiteral("Ufficio")));
        QCOMPARE(page().currentPrinter(), QStringLiteral("Ufficio"));
        page().print(QStringLiteral("a"));
        page().endDoc();
        QCOMPARE(office->documents.size(), 1);
        QCOMPARE(made, QStringList{QStringLiteral("Ufficio")});
    }

    void noPrinterAtAll() {
        PrinterList::setFixed({});
        page().reset();
        QVERIFY(page().currentPrinter().isEmpty());
        page().print(QStringLiteral("x"));
        QVERIFY(!page().ok());
        QCOMPARE(page().scaleWidth(), 0.0);
    }

    void pdfCollectsEveryDocumentOfTheJob() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("fogli.pdf"));
        page().setDevice(std::make_shared<QPrinterPageDevice>(QPrinterPageDevice::forPdf(path)));
        QVERIFY(std::abs(page().scaleWidth() - 11906) < 10);  // A4, no margins
        QVERIFY(std::abs(page().scaleHeight() - 16838) < 10);
        for (int i = 0; i < 3; ++i) {
            page().setCurrentY(100);
            page().print(QStringLiteral("Documento %1").arg(i + 1));
            QVERIFY(page().endDoc());
        }
        QVERIFY(page().endDoc());  // nothing drawn: no further page
        QVERIFY(page().finishJob());
        page().useCurrentPrinter();
        QVERIFY(QFile::exists(path));
        QCOMPARE(PdfReadBack::pageCount(path), 3);
    }

    void pdfThatCannotBeWritten() {
        page().setDevice(std::make_shared<QPrinterPageDevice>(
            QPrinterPageDevice::forPdf(QStringLiteral("/nonexistent-folder/x/fogli.pdf"))));
        page().print(QStringLiteral("x"));
        page().endDoc();
        const bool finished = page().finishJob();
        QVERIFY(!page().ok() || !finished);
    }

    void queueThatIsNotThere() {
        QPrinterPageDevice d =
            QPrinterPageDevice::forQueue(QStringLiteral("Stampante-che-non-esiste"));
        QVERIFY(!d.beginDocument(1));
        QVERIFY(d.errorString().contains(QStringLiteral("Stampante-che-non-esiste")));
    }
};

QTEST_MAIN(TestPrinterPage)
#include "tst_printerpage.moc"
