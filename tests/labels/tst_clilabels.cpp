#include <QProcess>
#include <QRegularExpression>
#include <QTest>

#include "archive/ContactRecord.h"
#include "support/PdfReadBack.h"
#include "support/TestEnvironment.h"

namespace {

struct Run {
    int status = -1;
    QString out;
    QString err;
};

Run cli(const QString &folder, const QStringList &args) {
    QProcess p;
    p.start(QStringLiteral(CARTAFLEX_BINARY_DIR "/cartaflex-cli"),
            QStringList{"--folder", folder} + args);
    p.waitForFinished(120000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
            QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

// Contacts "Ditta1" … "DittaN" in Milano; every `gap`-th one has no address.
void writeArchive(const TestEnvironment &env, int count, int gap = 0) {
    QByteArray bytes;
    for (int i = 1; i <= count; ++i) {
        ContactRecord r;
        r.setValue(ContactRecord::Titolo, QStringLiteral("Ditta%1").arg(i));
        if (gap == 0 || i % gap != 0) {
            r.setValue(ContactRecord::Indirizzo, QStringLiteral("Via%1").arg(i));
            r.setValue(ContactRecord::Citta, QStringLiteral("Milano"));
        }
        bytes += r.encode();
    }
    QVERIFY(TestEnvironment::writeBytes(env.file(QStringLiteral("Contatti.edb")), bytes));
}

struct Word {
    QString text;
    double x, y;
    int page;
};

QList<Word> wordsOf(const QString &pdf) {
    static const QRegularExpression re(
        QStringLiteral("<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"[\\d.]+\" "
                       "yMax=\"[\\d.]+\">([^<]*)</word>"));
    QList<Word> out;
    int page = 0;
    for (const QString &line : PdfReadBack::wordBoxes(pdf).split(u'\n')) {
        if (line.contains(QLatin1String("<page "))) ++page;
        const auto m = re.match(line);
        if (m.hasMatch())
            out << Word{m.captured(3), m.captured(1).toDouble(), m.captured(2).toDouble(), page};
    }
    return out;
}

}  // namespace

class TestCliLabels : public QObject {
    Q_OBJECT
private slots:
    void fiftyLabelsReadBack() {
        TestEnvironment env;
        writeArchive(env, 52, 26);  // Ditta26 and Ditta52 have no address
        const QString pdf = env.file(QStringLiteral("etichette.pdf"));
        const Run r = cli(env.folder(), {"labels", "3x8", "--all", "--first", "3", "--pdf", pdf});
        QCOMPARE(r.status, 0);
        QVERIFY(r.out.isEmpty());
        QCOMPARE(r.err,
                 QString::fromUtf8("Esclusa la scheda n. 26 (Ditta26): manca l'indirizzo.\n"
                                   "Esclusa la scheda n. 52 (Ditta52): manca l'indirizzo.\n"));
        // 50 labels from label 3: 22 on the first sheet, 24 on the second, 4 on the third.
        QCOMPARE(PdfReadBack::pageCount(pdf), 3);
        const QList<Word> words = wordsOf(pdf);
        auto find = [&words](const QString &text) {
            for (const Word &w : words)
                if (w.text == text) return w;
            return Word{};
        };
        const double pt = 72 / 25.4;
        QCOMPARE(find("Ditta26").page, 0);  // left out
        const Word first = find("Ditta1");  // label 3: third column, first row
        QCOMPARE(first.page, 1);
        QVERIFY2(qAbs(first.x - (140 + 4) * pt) < 1, qPrintable(QString::number(first.x / pt)));
        QVERIFY(first.y > 0.5 * pt && first.y < 37.5 * pt);
        const Word second = find("Ditta2");  // first column, second row
        QVERIFY(qAbs(second.x - 4 * pt) < 1);
        QVERIFY(qAbs(second.y - first.y - 37 * pt) < 0.5);
        const Word last = find("Ditta51");  // the 50th label: fourth of the third sheet
        QCOMPARE(last.page, 3);
        QVERIFY(qAbs(last.x - 4 * pt) < 1 && qAbs(last.y - second.y) < 0.5);
        int towns = 0;
        for (const Word &w : words) towns += w.text == QLatin1String("Milano");
        QCOMPARE(towns, 50);
    }

    void envelopeSeriesIsOnePdf() {
        TestEnvironment env;
        writeArchive(env, 6, 3);
        const QString pdf = env.file(QStringLiteral("buste.pdf"));
        const Run r =
            cli(env.folder(), {"envelope", "--search", "Persona o azienda", "Ditta", "--pdf", pdf});
        QCOMPARE(r.status, 0);
        QCOMPARE(r.err.count(u'\n'), 2);
        QCOMPARE(PdfReadBack::pageCount(pdf), 4);
        const QList<Word> words = wordsOf(pdf);
        QStringList recipients;
        for (const Word &w : words)
            if (w.text.startsWith(QLatin1String("Ditta"))) recipients << w.text;
        QCOMPARE(recipients, QStringList({"Ditta1", "Ditta2", "Ditta4", "Ditta5"}));
    }

    void refusals_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("message");
        const QString pdf = QStringLiteral("--pdf");
        QTest::newRow("unknown layout")
            << QStringList{"labels", "4x4", "--all", pdf, "x.pdf"} << 1
            << "Formato di etichette sconosciuto: 4x4 (formati: 3x8, 3x7, 2x7, 3x7s, 2x4).\n";
        QTest::newRow("record out of range")
            << QStringList{"labels", "2x4", "--records", "1,9", pdf, "x.pdf"} << 1
            << "La scheda n. 9 non è presente in archivio.\n";
        QTest::newRow("empty search")
            << QStringList{"envelope", "--search", "Città", "Roma", pdf, "x.pdf"} << 1
            << "Nessun contatto selezionato.\n";
        QTest::newRow("nobody with an address")
            << QStringList{"labels", "3x7", "--records", "2", pdf, "x.pdf"} << 1
            << "Esclusa la scheda n. 2 (Ditta2): manca l'indirizzo.\n"
               "Nessuno dei contatti selezionati ha un indirizzo: non c'è nulla da stampare.\n";
        QTest::newRow("first label past the sheet")
            << QStringList{"labels", "2x4", "--all", "--first", "9", pdf, "x.pdf"} << 1
            << "L'etichetta di partenza deve essere fra 1 e 8.\n";
        QTest::newRow("printer not there")
            << QStringList{"envelope", "--all", "--printer", "Nessuna-Coda"} << 1
            << "Esclusa la scheda n. 2 (Ditta2): manca l'indirizzo.\n"
               "La stampante \"Nessuna-Coda\" non è installata.\n";
    }

    void refusals() {
        QFETCH(QStringList, args);
        QFETCH(int, status);
        QFETCH(QString, message);
        TestEnvironment env;
        writeArchive(env, 3, 2);
        const QString before = QString::fromLatin1(
            TestEnvironment::readBytes(env.file(QStringLiteral("Contatti.edb"))).toHex());
        for (QString &a : args)
            if (a == QLatin1String("x.pdf")) a = env.file(a);
        const Run r = cli(env.folder(), args);
        QCOMPARE(r.status, status);
        QCOMPARE(r.err, message);
        QVERIFY(!QFile::exists(env.file(QStringLiteral("x.pdf"))));
        QCOMPARE(QString::fromLatin1(
                     TestEnvironment::readBytes(env.file(QStringLiteral("Contatti.edb"))).toHex()),
                 before);
    }
};

QTEST_GUILESS_MAIN(TestCliLabels)
#include "tst_clilabels.moc"
