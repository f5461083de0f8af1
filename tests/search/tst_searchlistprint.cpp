#include <QTest>
#include <memory>

#include "printing/PrinterPage.h"
#include "printing/RecordingPageDevice.h"
#include "search/SearchListPrint.h"
#include "support/TestEnvironment.h"

namespace {

QStringList threeLines() {
    return {QStringLiteral("Rossi Mario") + QString(22, u' ') + QStringLiteral("Roma"),
            QStringLiteral("Bianchi Anna"), QStringLiteral("Verdi Luca")};
}

std::shared_ptr<RecordingPageDevice> recorder() {
    PrinterPage::printer().reset();
    auto device = std::make_shared<RecordingPageDevice>();
    PrinterPage::printer().setDevice(device);
    return device;
}

}  // namespace

class TestSearchListPrint : public QObject {
    Q_OBJECT
private slots:
    void stampLine_data() {
        QTest::addColumn<QDateTime>("when");
        QTest::addColumn<QString>("line");
        QTest::newRow("morning, padded") << QDateTime(QDate(2026, 3, 5), QTime(7, 4, 9))
                                         << "Stampa eseguita in data 05/03/2026 alle ore 07:04:09.";
        QTest::newRow("afternoon, 24-hour")
            << QDateTime(QDate(2026, 12, 31), QTime(23, 59, 58))
            << "Stampa eseguita in data 31/12/2026 alle ore 23:59:58.";
    }
    void stampLine() {
        QFETCH(QDateTime, when);
        QFETCH(QString, line);
        QCOMPARE(SearchListPrint::stampLine(when), line);
    }

    void threeContactsPrintTitleRulesLinesAndCount() {
        auto device = recorder();
        const QDateTime when(QDate(2026, 12, 9), QTime(14, 30, 0));
        QVERIFY(SearchListPrint::print(threeLines(), QStringLiteral(" Trovati 3 contatti "), when));
        QCOMPARE(device->documents.size(), 1);
        QCOMPARE(device->documents.first().orientation, int(PrinterPage::Landscape));
        QCOMPARE(device->pageCount(), 1);

        const QList<PageOp> texts = device->texts();
        QStringList printed;
        for (const PageOp &op : texts) printed << op.text;
        const QString rule(30, u'_');
        QStringList expected{QStringLiteral(" "),
                             QStringLiteral("Archivio dati personali - Risultati ricerca"), rule,
                             QStringLiteral("   ")};
        expected += threeLines();
        expected += {rule, QStringLiteral("   "), QStringLiteral("Trovati 3 contatti"), rule,
                     QStringLiteral("Stampa eseguita in data 09/12/2026 alle ore 14:30:00.")};
        QCOMPARE(printed, expected);

        double y = 0;
        for (int i = 0; i < texts.size(); ++i) {
            const PageOp &op = texts.at(i);
            QCOMPARE(op.font.name, QStringLiteral("Courier New"));
            QVERIFY(!op.font.bold && !op.font.italic && !op.font.underline &&
                    !op.font.strikethrough);
            QCOMPARE(op.font.size, i < 2 ? 12.0 : 8.0);
            QCOMPARE(op.scaleMode, int(PrinterPage::Twips));
            QCOMPARE(op.x, 0.0);
            QCOMPARE(op.scaleLeft, -600.0);
            QCOMPARE(op.twips.left(), 600.0);
            // One line under the other, from the top of the page.
            QCOMPARE(op.y, y);
            y += op.h;
        }
        // 2 + 3 + 5 lines at 8 points around the three contacts.
        const auto small = std::count_if(texts.begin(), texts.end(),
                                         [](const PageOp &op) { return op.font.size == 8.0; });
        QCOMPARE(int(small), 2 + 3 + 5);
        QCOMPARE(texts.at(2 + 2 + 3 + 2).text, QStringLiteral("Trovati 3 contatti"));
        QVERIFY(texts.at(2).h < texts.at(1).h);
    }

    void longListContinuesOnNewPages() {
        auto device = recorder();
        QStringList lines;
        for (int i = 0; i < 300; ++i) lines << QStringLiteral("Contatto %1").arg(i + 1);
        QVERIFY(SearchListPrint::print(lines, QStringLiteral("Trovati 300 contatti"),
                                       QDateTime::currentDateTime()));
        QCOMPARE(device->documents.size(), 1);
        QVERIFY(device->pageCount() >= 3);
        const double height = PrinterPage::printer().scaleHeight();
        for (const PageOp &op : device->texts()) QVERIFY(op.y + op.h <= height + 0.5);
        // Every page starts from the top; the count still comes last.
        QCOMPARE(device->documents.first().pages.at(1).first().y, 0.0);
        QCOMPARE(device->texts().size(), 2 + 2 + 300 + 5);
    }

    // The print button's messages: the empty list refused, then the OK/Cancel question.
    void refusalAndQuestion() {
        QVERIFY(SearchListPrint::refusal(threeLines()).isEmpty());
        const Message empty = SearchListPrint::refusal({});
        QCOMPARE(empty.text, QStringLiteral("La lista non contiene nessuna voce."));
        QCOMPARE(empty.title, QStringLiteral("Attenzione: stampa non applicabile"));
        QCOMPARE(empty.icon, MsgIcon::Exclamation);
        QCOMPARE(empty.buttons, MsgButtons::Ok);
        const Message ask = SearchListPrint::question();
        QCOMPARE(ask.text, QStringLiteral("Premere OK per dare inizio alla stampa."));
        QCOMPARE(ask.title, QStringLiteral(" Stampa risultati ricerca "));
        QCOMPARE(ask.icon, MsgIcon::None);
        QCOMPARE(ask.buttons, MsgButtons::OkCancel);
    }

    void printsWithTheHourglass() {
        TestEnvironment env;
        auto device = recorder();
        QVERIFY(SearchListPrint::run(threeLines(), QStringLiteral("Trovati 3 contatti")).isEmpty());
        QCOMPARE(device->documents.size(), 1);
        QCOMPARE(env.platform().busyShown, 1);
        QCOMPARE(env.platform().busyDepth, 0);
        QVERIFY(env.platform().messages.isEmpty());
    }

    void missingPrinterGivesTheErrorMessage() {
        TestEnvironment env;
        auto device = recorder();
        device->setFailing(true);
        const Message m = SearchListPrint::run(threeLines(), QStringLiteral("Trovati 3 contatti"));
        QCOMPARE(m.text, QString::fromUtf8(
                             "Si è verificato un errore durante l'operazione di stampa.\r\n\r\n"
                             "Accertarsi che la stampante sia configurata correttamente."));
        QCOMPARE(m.title, QStringLiteral("Attenzione: operazione non eseguibile"));
        QCOMPARE(m.icon, MsgIcon::Critical);
        QCOMPARE(m.buttons, MsgButtons::Ok);
        QVERIFY(m.beep);
        QCOMPARE(env.platform().busyDepth, 0);
        QVERIFY(env.platform().messages.isEmpty());
        QVERIFY(device->documents.isEmpty());
    }
};

QTEST_MAIN(TestSearchListPrint)
#include "tst_searchlistprint.moc"
