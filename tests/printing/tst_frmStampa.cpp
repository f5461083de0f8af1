// The print dialog and the preview window, offscreen.
#include <QApplication>
#include <QTest>
#include <memory>

#include "cards/CardPrintJob.h"
#include "printing/PrintPreview.h"
#include "printing/PrinterList.h"
#include "printing/PrinterPage.h"
#include "printing/RecordingPageDevice.h"
#include "printing/widgets/PrintDialog.h"
#include "printing/widgets/PrintPreviewWindow.h"
#include "support/TestEnvironment.h"

class TestFrmStampa : public QObject {
    Q_OBJECT
    PrinterPage &page() { return PrinterPage::printer(); }

    static Printout cards(int sheets) {
        Printout p;
        p.caption = QStringLiteral("Stampa biglietti da visita");
        p.pdfFileName = QStringLiteral("Biglietti.pdf");
        p.draw = [sheets](PrinterPage &page, const PrintChoices &) {
            return CardPrintJob().run(page, CardFormat::Medium,
                                      CardContent::designState(CardFormat::Medium), sheets);
        };
        return p;
    }

private slots:
    void cleanup() {
        PrinterList::useSystem();
        page().reset();
    }

    // Enter prints on the current printer; a queue that is gone, before printing or
    // between the preview and the print, gets the message and nothing is printed.
    void printsOnThePreselectedQueue_data() {
        QTest::addColumn<QString>("gone");
        QTest::addColumn<int>("documents");
        QTest::addColumn<QString>("message");
        QTest::newRow("current printer") << QString() << 2 << QString();
        QTest::newRow("queue gone before printing")
            << "before printing" << 0 << QStringLiteral("Impossibile eseguire la stampa");
        QTest::newRow("queue gone after the preview")
            << "after the preview" << 0 << QStringLiteral("Impossibile eseguire la stampa");
    }
    void printsOnThePreselectedQueue() {
        QFETCH(QString, gone);
        QFETCH(int, documents);
        QFETCH(QString, message);
        TestEnvironment env;
        PrinterList::setFixed({QStringLiteral("Altra"), QStringLiteral("Ufficio")},
                              QStringLiteral("Ufficio"));
        page().reset();
        auto queue = std::make_shared<RecordingPageDevice>();
        page().setQueueDeviceFactory([queue](const QString &) { return queue; });
        PrintDialog dialog(cards(2));
        QCOMPARE(dialog.cboPrinters->currentText(), QStringLiteral("Ufficio"));
        QCOMPARE(dialog.cboPrinters->itemText(2), QStringLiteral("Salva come file PDF"));
        const auto removeQueue = [] {
            PrinterList::setFixed({QStringLiteral("Altra")}, QStringLiteral("Altra"));
        };
        int previewed = 0;
        if (gone == QLatin1String("before printing")) removeQueue();
        if (gone == QLatin1String("after the preview")) {
            env.platform().queueDialogHandler([](QObject *d) {
                qobject_cast<PrintDialog *>(d)->preview();
                return int(QDialog::Accepted);
            });
            env.platform().queueDialogHandler([&](QObject *w) {
                previewed = qobject_cast<PrintPreviewWindow *>(w)->pageCount();
                removeQueue();
                return int(QDialog::Accepted);  // "Stampa" in the preview
            });
        }
        env.platform().execDialog(&dialog);
        if (gone == QLatin1String("after the preview")) QCOMPARE(previewed, 2);
        QCOMPARE(queue->documents.size(), documents);
        QCOMPARE(dialog.printed(), gone.isEmpty());
        QCOMPARE(env.platform().lastMessage() ? env.platform().lastMessage()->title : QString(),
                 message);
    }

    // The preview shows the pages that would be printed, one at a time.
    void previewBrowsesThePrintedPages() {
        TestEnvironment env;
        PrintPreview recorded;
        QVERIFY(recorded.record(PrintTarget::toPdf(env.file(QStringLiteral("a.pdf"))),
                                [](PrinterPage &p) { return cards(3).draw(p, PrintChoices{}); }));
        PrintPreviewWindow window(recorded.pages());
        QCOMPARE(window.pageCount(), 3);
        const QImage first = window.pageImage(0);
        QCOMPARE(first.size(),
                 QSize(qRound(11906 * 0.75 * 96 / 1440.0), qRound(16838 * 0.75 * 96 / 1440.0)));
        // Ink where the first cut guide runs (the grid's top-left corner of the medium sheet).
        const int x = qRound(1350 * 0.75 * 96 / 1440.0) + 20, y = qRound(945 * 0.75 * 96 / 1440.0);
        bool ink = false;
        for (int dy = -1; dy <= 1; ++dy) ink = ink || QColor(first.pixel(x, y + dy)) != Qt::white;
        QVERIFY(ink);
        window.findChild<QPushButton *>(QStringLiteral("cmdSuccessiva"))->click();
        QCOMPARE(window.currentPage(), 1);
        window.showPage(99);
        QCOMPARE(window.currentPage(), 2);
    }
};

QTEST_MAIN(TestFrmStampa)
#include "tst_frmStampa.moc"
