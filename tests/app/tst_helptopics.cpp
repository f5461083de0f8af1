// The help topics: titles, paragraph counts and the shape of their text.
#include <QtTest>

#include "app/HelpTopics.h"
#include "platform/ProgramFolder.h"

class TestHelpTopics : public QObject {
    Q_OBJECT

private slots:
    void topic_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("paragraphs");
        QTest::newRow("menu") << "menu"
                              << "Uno sguardo a Cartaflex" << 9;
        QTest::newRow("archivio") << "archivio"
                                  << "Archiviazione dati personali" << 5;
        QTest::newRow("biglietti") << "biglietti"
                                   << "Gestione biglietti da visita" << 11;
        QTest::newRow("buste") << "buste"
                               << "Compilazione e stampa indirizzi per buste" << 5;
        QTest::newRow("elenco") << "elenco"
                                << "Elenco contatti" << 5;
        QTest::newRow("backup") << "backup"
                                << "Copia di sicurezza dei dati" << 4;
        // Three paragraphs, the section heading, three more.
        QTest::newRow("iva") << "iva"
                             << "Controllo del numero di partita IVA" << 7;
        QTest::newRow("rubrica") << "rubrica"
                                 << "Rubrica condivisa" << 6;
    }
    void topic() {
        QFETCH(QString, key);
        QFETCH(QString, title);
        QFETCH(int, paragraphs);
        const std::optional<HelpTopic> t = HelpTopics::find(key);
        QVERIFY(t.has_value());
        QCOMPARE(t->title, title);
        QCOMPARE(t->paragraphs.size(), paragraphs);
        for (const QString &p : t->paragraphs) {
            QVERIFY2(p.size() > 30, qPrintable(p));
            // A paragraph never holds an empty line of its own, so the count shows on
            // screen as it is here.
            QVERIFY2(!p.contains(QStringLiteral("\r\n\r\n")), qPrintable(p));
            QVERIFY2(p == p.trimmed(), qPrintable(p));
        }
        const QString text = HelpTopics::text(t->paragraphs);
        QCOMPARE(text.split(QStringLiteral("\r\n\r\n")).size(), paragraphs);
        QVERIFY(!text.startsWith(u'\r'));
        QVERIFY(!text.endsWith(u'\n'));
    }

    // The cards topic names every stock with the products it fits.
    void cardsTopicListsTheStocks_data() {
        QTest::addColumn<QString>("line");
        QTest::newRow("85 × 55")
            << "- Biglietti microperforati 85 × 55 mm, 10 per foglio (formato "
               "medio e grande; nel terminale 85x55-10): Sigel LP 800, LP 801, "
               "LP 802; Staples EU BC Supreme.";
        QTest::newRow("85 × 54") << "Avery C32011-10; DECAdry OCC-3342";
        QTest::newRow("8 per sheet") << "85 × 54 mm, 8 per foglio (formato medio e grande";
        QTest::newRow("90 × 50: medium only") << "90 × 50 mm, 10 per foglio (formato medio; nel "
                                                 "terminale 90x50-10): Kores KPCV1.";
    }
    void cardsTopicListsTheStocks() {
        QFETCH(QString, line);
        QVERIFY(HelpTopics::text(HelpTopics::find(QStringLiteral("biglietti"))->paragraphs)
                    .contains(line));
    }

    // What the help says matches what the program does now.
    void saysWhatTheProgramDoes_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("says");
        QTest::addColumn<QString>("never");
        QTest::newRow("unsaved changes are asked about") << "archivio"
                                                         << "il programma chiede se salvarle"
                                                         << "vanno perse quando si passa";
        QTest::newRow("long card texts shrink, then are cut") << "biglietti"
                                                              << "fino al 70 % della sua misura"
                                                              << "oltre il bordo della casella";
        QTest::newRow("design texts stay off the envelope") << "buste"
                                                            << "se il destinatario è vuoto"
                                                            << "";
        QTest::newRow("the archive's folder is the one in use")
            << "backup" << QDir::toNativeSeparators(ProgramFolder::path())
            << "nella cartella del programma";
    }
    void saysWhatTheProgramDoes() {
        QFETCH(QString, key);
        QFETCH(QString, says);
        QFETCH(QString, never);
        const QString text = HelpTopics::text(HelpTopics::find(key)->paragraphs);
        QVERIFY2(text.contains(says), qPrintable(says));
        if (!never.isEmpty()) QVERIFY2(!text.contains(never), qPrintable(never));
    }

    void keysAreTheEightTopics() {
        const QStringList keys = HelpTopics::keys();
        QCOMPARE(keys.size(), 8);
        for (const QString &k : keys) QVERIFY2(HelpTopics::find(k).has_value(), qPrintable(k));
        QVERIFY(!HelpTopics::find(QStringLiteral("Menu")).has_value());
        QVERIFY(!HelpTopics::find(QString()).has_value());
    }

    void textJoinsParagraphsWithAnEmptyLine() {
        QCOMPARE(HelpTopics::text({}), QString());
        QCOMPARE(HelpTopics::text({QStringLiteral("uno")}), QStringLiteral("uno"));
        QCOMPARE(
            HelpTopics::text({QStringLiteral("uno"), QStringLiteral("due"), QStringLiteral("tre")}),
            QStringLiteral("uno\r\n\r\ndue\r\n\r\ntre"));
    }

    void vatTopicHasItsSection() {
        const HelpTopic t = *HelpTopics::find(QStringLiteral("iva"));
        const QString heading = t.paragraphs.at(3);
        QCOMPARE(heading, QStringLiteral("Uno sguardo al numero di partita IVA\r\n") +
                              QStringLiteral("-----------------------------------"));
        QCOMPARE(heading.count(u'-'), 35);
        // The section tells how the 11 digits are made up.
        const QString section = t.paragraphs.mid(4).join(u' ');
        QVERIFY(section.contains(QStringLiteral("11 cifre")));
        QVERIFY(section.contains(QStringLiteral("sette")));
        QVERIFY(section.contains(QStringLiteral("cifra di controllo")));
    }

    void menuTopicEndsWithAClosingLine() {
        const HelpTopic t = *HelpTopics::find(QStringLiteral("menu"));
        QVERIFY(t.paragraphs.last().endsWith(QStringLiteral("Buon lavoro con Cartaflex!")));
    }
};

QTEST_MAIN(TestHelpTopics)
#include "tst_helptopics.moc"
