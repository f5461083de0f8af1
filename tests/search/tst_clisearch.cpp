#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
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
    p.waitForFinished(60000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
            QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

void writeArchive(const TestEnvironment &env, const QList<QStringList> &rows) {
    QByteArray bytes;
    for (const QStringList &row : rows) {
        ContactRecord r;
        r.setValue(ContactRecord::Titolo, row.value(0));
        r.setValue(ContactRecord::Citta, row.value(1));
        r.setValue(ContactRecord::Email, row.value(2));
        bytes += r.encode();
    }
    QVERIFY(TestEnvironment::writeBytes(env.file(QStringLiteral("Contatti.edb")), bytes));
}

}  // namespace

class TestCliSearch : public QObject {
    Q_OBJECT
private slots:
    void searchPrintsTheLinesAndTheCount() {
        TestEnvironment env;
        writeArchive(env, {{"Rossi Mario", QString::fromUtf8("Città di Castello"), "rm@x.it"},
                           {"Rossini", "Pesaro"},
                           {"Mario Rossi", "Roma"}});
        Run r = cli(env.folder(), {"search", "Persona o azienda", "  ross   mar "});
        QCOMPARE(r.status, 0);
        QStringList lines = r.out.split(u'\n');
        QCOMPARE(lines.size(), 4);
        QCOMPARE(lines.at(0).left(33), QStringLiteral("Rossi Mario") + QString(22, u' '));
        QCOMPARE(lines.at(0).mid(33, 17), QString::fromUtf8("Città di Castello"));
        QVERIFY(lines.at(0).endsWith(QStringLiteral("   rm@x.it")));
        QCOMPARE(lines.at(0).size(), 124 + 7);
        QVERIFY(lines.at(1).startsWith(QStringLiteral("Mario Rossi ")));
        QCOMPARE(lines.at(2), QStringLiteral("Trovati 2 contatti"));
        QVERIFY(lines.at(3).isEmpty());

        r = cli(env.folder(), {"search", QString::fromUtf8("Città"), QString::fromUtf8("CITTÀ")});
        QCOMPARE(r.status, 0);
        QVERIFY(r.out.endsWith(QStringLiteral("Trovati 1 contatti\n")));

        r = cli(env.folder(), {"search", "Fax", "0"});
        QCOMPARE(r.status, 0);
        QCOMPARE(r.out, QStringLiteral("Trovati 0 contatti\n"));
    }

    void usageErrors_data() {
        QTest::addColumn<QStringList>("args");
        QTest::newRow("unknown criterion") << QStringList{"search", "Nome", "x"};
        QTest::newRow("criterion in lower case") << QStringList{"search", "persona o azienda", "x"};
        QTest::newRow("missing key") << QStringList{"search", "Fax"};
        QTest::newRow("print without target") << QStringList{"print-search", "Fax", "x"};
        QTest::newRow("print with both targets")
            << QStringList{"print-search", "Fax", "x", "--pdf", "a.pdf", "--printer", "p"};
        QTest::newRow("pdf without file") << QStringList{"print-search", "Fax", "x", "--pdf"};
    }
    void usageErrors() {
        QFETCH(QStringList, args);
        TestEnvironment env;
        const Run r = cli(env.folder(), args);
        QCOMPARE(r.status, 2);
        QVERIFY(r.out.isEmpty());
    }

    void unreadableArchiveFails() {
        TestEnvironment env;
        QVERIFY(QDir(env.folder()).mkdir(QStringLiteral("Contatti.edb")));
        const Run r = cli(env.folder(), {"search", "Fax", ""});
        QCOMPARE(r.status, 1);
        QVERIFY(r.out.isEmpty());
    }

    void printSearchToPdf() {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        TestEnvironment env;
        writeArchive(env,
                     {{"Rossi Mario", "Roma"}, {"Verdi Anna", "Forli"}, {"Neri Luca", "Rimini"}});
        const QString pdf = env.file(QStringLiteral("lista.pdf"));
        const Run r = cli(env.folder(), {"print-search", "Persona o azienda", "", "--pdf", pdf});
        QCOMPARE(r.status, 0);
        const QString html = PdfReadBack::wordBoxes(pdf);
        // Landscape A4, one page.
        QVERIFY(html.contains(QRegularExpression(
            QStringLiteral("<page width=\"84[12]\\.[0-9]+\" height=\"59[45]\\.[0-9]+\""))));
        QCOMPARE(html.count(QStringLiteral("<page ")), 1);
        const QRegularExpression word(
            QStringLiteral("<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\"[^>]*>([^<]*)</word>"));
        QStringList words;
        double archivioX = -1;
        double rossiX = -1;
        for (const auto &m : word.globalMatch(html)) {
            words << m.captured(3);
            if (m.captured(3) == QLatin1String("Archivio")) archivioX = m.captured(1).toDouble();
            if (m.captured(3) == QLatin1String("Rossi")) rossiX = m.captured(1).toDouble();
        }
        for (const char *w : {"Archivio", "Risultati", "Rossi", "Verdi", "Neri", "Trovati", "3",
                              "contatti", "eseguita"})
            QVERIFY2(words.contains(QLatin1String(w)), w);
        // 600 twips from the left edge: 30 points.
        QVERIFY2(qAbs(archivioX - 30) < 1.5, qPrintable(QString::number(archivioX)));
        QVERIFY(qAbs(rossiX - 30) < 1.5);
    }

    void printSearchRefusals() {
        TestEnvironment env;
        writeArchive(env, {{"Rossi Mario", "Roma"}});
        const QString pdf = env.file(QStringLiteral("vuota.pdf"));
        Run r = cli(env.folder(), {"print-search", "Persona o azienda", "zzz", "--pdf", pdf});
        QCOMPARE(r.status, 1);
        QVERIFY(r.err.contains(QStringLiteral("La lista non contiene nessuna voce.")));
        QVERIFY(!QFile::exists(pdf) || QFileInfo(pdf).size() == 0);

        r = cli(env.folder(),
                {"print-search", "Persona o azienda", "", "--printer", "Stampante-che-non-esiste"});
        QCOMPARE(r.status, 1);
        QVERIFY(r.err.contains(
            QString::fromUtf8("Si è verificato un errore durante l'operazione di stampa.")));

        r = cli(env.folder(),
                {"print-search", "Persona o azienda", "", "--pdf", env.file("manca/x.pdf")});
        QCOMPARE(r.status, 1);
        QVERIFY(r.err.contains(
            QStringLiteral("Accertarsi che la stampante sia configurata correttamente.")));
    }
};

QTEST_GUILESS_MAIN(TestCliSearch)
#include "tst_clisearch.moc"
