// End to end: `cartaflex-cli cards` writes a PDF whose words pdftotext finds where the
// sheet layout puts them.
#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include "archive/ArchiveStore.h"
#include "cards/CardLayout.h"
#include "cards/CardStock.h"
#include "cards/CardTexts.h"
#include "support/PdfReadBack.h"

using F = ContactRecord::Field;
Q_DECLARE_METATYPE(CardFormat)

namespace {

struct Word {
    QString text;
    double xMin, yMin, xMax, yMax;
    int page;
};

QList<Word> wordsOf(const QString &pdf) {
    const QString html = PdfReadBack::wordBoxes(pdf);
    static const QRegularExpression re(
        QStringLiteral("<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" "
                       "yMax=\"([\\d.]+)\">([^<]*)</word>"));
    QList<Word> out;
    int page = 0;
    for (const QString &line : html.split(u'\n')) {
        if (line.contains(QLatin1String("<page "))) ++page;
        const auto m = re.match(line);
        if (m.hasMatch())
            out << Word{m.captured(5),
                        m.captured(1).toDouble(),
                        m.captured(2).toDouble(),
                        m.captured(3).toDouble(),
                        m.captured(4).toDouble(),
                        page};
    }
    return out;
}

int run(const QStringList &args, QString *err = nullptr) {
    QProcess p;
    p.start(QStringLiteral(CARTAFLEX_BINARY_DIR "/cartaflex-cli"), args);
    if (!p.waitForFinished(120000)) return -1;
    if (err) *err = QString::fromUtf8(p.readAllStandardError());
    return p.exitCode();
}

// A one-word text per field, so that pdftotext finds it whole.
QString wordFor(F f) {
    return QStringLiteral("Q") + ContactRecord::fieldName(f).toUpper();
}

}  // namespace

class TestCardsPdf : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
    }

    void wordsWhereTheLayoutPutsThem_data() {
        QTest::addColumn<CardFormat>("format");
        QTest::newRow("card01") << CardFormat::SmallLogo;
        QTest::newRow("card02") << CardFormat::SmallNoLogo;
        QTest::newRow("card03") << CardFormat::Medium;
        QTest::newRow("card04") << CardFormat::Large;
    }
    void wordsWhereTheLayoutPutsThem() {
        QFETCH(CardFormat, format);
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("fogli.pdf"));
        QStringList args{QStringLiteral("--folder"), dir.path(),
                         QStringLiteral("cards"),    CardFormats::tag(format),
                         QStringLiteral("--pages"),  QStringLiteral("2")};
        for (F f : CardTexts::boxesOf(format))
            args << ContactRecord::fieldName(f) + u'=' + wordFor(f);
        args << QStringLiteral("--pdf") << pdf;
        QString err;
        QCOMPARE(run(args, &err), 0);
        const QList<Word> words = wordsOf(pdf);
        const CardLayout &layout = CardLayout::of(format);
        for (int page = 1; page <= 2; ++page) {
            for (F f : CardTexts::boxesOf(format)) {
                const CardField *field = layout.field(f);
                QList<Word> found;
                for (const Word &w : words)
                    if (w.page == page && w.text == wordFor(f)) found << w;
                QCOMPARE(found.size(), layout.cards());
                for (int k = 0; k < layout.cards(); ++k) {
                    const QPoint o = layout.cellOrigin(k);
                    const double top = (o.y() + field->top) / 20.0;
                    const double left = (o.x() + field->left) / 20.0;
                    const double right = (o.x() + field->left + field->width) / 20.0;
                    bool placed = false;
                    for (const Word &w : found) {
                        const double x = field->alignment == 1 ? w.xMax - right : w.xMin - left;
                        if (std::abs(x) <= 0.5 && std::abs(w.yMin - top) <= 0.5) placed = true;
                    }
                    QVERIFY2(placed, qPrintable(QStringLiteral("%1 of card %2 on page %3")
                                                    .arg(wordFor(f))
                                                    .arg(k)
                                                    .arg(page)));
                }
            }
        }
    }

    // On stock every word lies inside a card of the stock (in points: twips / 20), once on
    // every card.
    void wordsInsideTheStockCards_data() {
        QTest::addColumn<CardFormat>("format");
        QTest::addColumn<QString>("stock");
        QTest::newRow("medium 85x55-10") << CardFormat::Medium << "85x55-10";
        QTest::newRow("large 85x54-10") << CardFormat::Large << "85x54-10";
        QTest::newRow("large 85x54-8") << CardFormat::Large << "85x54-8";
        QTest::newRow("medium 90x50-10") << CardFormat::Medium << "90x50-10";
    }
    void wordsInsideTheStockCards() {
        QFETCH(CardFormat, format);
        QFETCH(QString, stock);
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("stock.pdf"));
        QStringList args{QStringLiteral("--folder"), dir.path(),
                         QStringLiteral("cards"),    CardFormats::tag(format),
                         QStringLiteral("--stock"),  stock};
        for (F f : CardTexts::boxesOf(format))
            args << ContactRecord::fieldName(f) + u'=' + wordFor(f);
        args << QStringLiteral("--pdf") << pdf;
        QCOMPARE(run(args), 0);
        const CardStock s = *CardStock::fromKey(stock);
        const QList<Word> words = wordsOf(pdf);
        QCOMPARE(words.size(), s.cards() * CardTexts::boxesOf(format).size());
        QList<int> perCard(s.cards(), 0);
        for (const Word &w : words) {
            QCOMPARE(w.page, 1);
            int card = -1;
            for (int k = 0; k < s.cards(); ++k) {
                const QRectF r = s.cardTwips(k);
                if (w.xMin >= r.left() / 20 && w.xMax <= r.right() / 20 && w.yMin >= r.top() / 20 &&
                    w.yMax <= r.bottom() / 20)
                    card = k;
            }
            QVERIFY2(card >= 0, qPrintable(w.text));
            ++perCard[card];
        }
        for (int n : perCard) QCOMPARE(n, int(CardTexts::boxesOf(format).size()));
    }

    void recordFillsTheBoxesWithPrefixes() {
        QTemporaryDir dir;
        ArchiveStore store(dir.path());
        ContactRecord r;
        r.setValue(F::Titolo, QStringLiteral("Bianchi"));
        r.setValue(F::Tel, QStringLiteral("021234"));
        r.setValue(F::Fax, QString());
        r.setValue(F::Logo02, dir.filePath(QStringLiteral("manca.png")));
        QCOMPARE(store.appendRecord(r), 1);
        const QString pdf = dir.filePath(QStringLiteral("medio.pdf"));
        QCOMPARE(run({QStringLiteral("--folder"), dir.path(), QStringLiteral("cards"),
                      QStringLiteral("card03"), QStringLiteral("--record"), QStringLiteral("1"),
                      QStringLiteral("--pdf"), pdf}),
                 0);
        const QList<Word> words = wordsOf(pdf);
        int titles = 0, tel = 0, faxes = 0, numbers = 0;
        for (const Word &w : words) {
            if (w.text == QLatin1String("Bianchi")) ++titles;
            if (w.text == QLatin1String("Tel.")) ++tel;
            if (w.text == QLatin1String("Fax")) ++faxes;
            if (w.text == QLatin1String("021234")) ++numbers;
        }
        QCOMPARE(titles, 10);
        QCOMPARE(tel, 10);
        QCOMPARE(numbers, 10);
        QCOMPARE(faxes, 0);  // "Fax " with an empty number is only a prefix: nothing on paper
    }

    void refusals_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("status");
        QTest::newRow("unknown format") << QStringList{"cards", "card05", "--pdf", "x.pdf"} << 2;
        QTest::newRow("no output") << QStringList{"cards", "card01"} << 2;
        QTest::newRow("both outputs")
            << QStringList{"cards", "card01", "--pdf", "x.pdf", "--printer", "P"} << 2;
        QTest::newRow("field not on the format")
            << QStringList{"cards", "card01", "Fax=1", "--pdf", "x.pdf"} << 2;
        QTest::newRow("logo on the format without")
            << QStringList{"cards", "card02", "--logo", "a.png", "--pdf", "x.pdf"} << 2;
        QTest::newRow("bad pages")
            << QStringList{"cards", "card01", "--pages", "-1", "--pdf", "x.pdf"} << 2;
        QTest::newRow("record of an empty archive")
            << QStringList{"cards", "card01", "--record", "1", "--pdf", "x.pdf"} << 1;
        QTest::newRow("printer that is not there")
            << QStringList{"cards", "card01", "--printer", "Stampante-che-non-esiste"} << 1;
        QTest::newRow("PDF in a missing folder")
            << QStringList{"cards", "card01", "--pdf", "/nonexistent-folder/x.pdf"} << 1;
    }
    void refusals() {
        QFETCH(QStringList, args);
        QFETCH(int, status);
        QTemporaryDir dir;
        QString err;
        QCOMPARE(run(QStringList{QStringLiteral("--folder"), dir.path()} + args, &err), status);
        QVERIFY(!err.isEmpty());
    }

    void logoThatIsNotAPicturePrintsBlank() {
        QTemporaryDir dir;
        const QString fake = dir.filePath(QStringLiteral("logo.jpg"));
        QFile f(fake);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("questo non e' un'immagine");
        f.close();
        const QString pdf = dir.filePath(QStringLiteral("a.pdf"));
        QString err;
        QCOMPARE(run({QStringLiteral("--folder"), dir.path(), QStringLiteral("cards"),
                      QStringLiteral("card01"), QStringLiteral("--logo"), fake,
                      QStringLiteral("--pdf"), pdf},
                     &err),
                 0);
        QVERIFY(err.contains(QStringLiteral("logo")));
        QVERIFY(QFile::exists(pdf));
    }

    void zeroPagesWritesNothing() {
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("vuoto.pdf"));
        QCOMPARE(run({QStringLiteral("--folder"), dir.path(), QStringLiteral("cards"),
                      QStringLiteral("card04"), QStringLiteral("--pages"), QStringLiteral("0"),
                      QStringLiteral("--pdf"), pdf}),
                 0);
        QVERIFY(!QFile::exists(pdf));
    }
};

QTEST_MAIN(TestCardsPdf)
#include "tst_cardspdf.moc"
