#include <QTest>

#include "archive/ArchiveStore.h"
#include "archive/ContactSearch.h"
#include "archive/Cp1252Codec.h"
#include "archive/KeyMatcher.h"
#include "archive/ResultLine.h"
#include "archive/SearchCriterion.h"
#include "archive/SearchKey.h"
#include "support/TestEnvironment.h"

namespace {

ContactRecord contact(const QString &titolo, const QString &citta = QString(),
                      const QString &tel = QString(), const QString &cel = QString(),
                      const QString &email = QString()) {
    ContactRecord r;
    r.setValue(ContactRecord::Titolo, titolo);
    r.setValue(ContactRecord::Citta, citta);
    r.setValue(ContactRecord::Tel, tel);
    r.setValue(ContactRecord::Cel, cel);
    r.setValue(ContactRecord::Email, email);
    return r;
}

void writeArchive(const TestEnvironment &env, const QList<ContactRecord> &records,
                  const QByteArray &tail = QByteArray()) {
    QByteArray bytes;
    for (const ContactRecord &r : records) bytes += r.encode();
    bytes += tail;
    QVERIFY(TestEnvironment::writeBytes(env.file(QStringLiteral("Contatti.edb")), bytes));
}

QList<int> numbersOf(const ContactSearch::Result &result) {
    QList<int> out;
    for (const SearchHit &h : result.hits) out << h.number;
    return out;
}

}  // namespace

class TestContactSearch : public QObject {
    Q_OBJECT
private slots:
    void keyWords_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("normalized");
        QTest::addColumn<QStringList>("words");
        QTest::newRow("one word") << "rossi"
                                  << "rossi" << QStringList{"rossi"};
        QTest::newRow("blanks before, after and between")
            << "  rossi   mario "
            << "rossi mario" << QStringList{"rossi", "mario"};
        QTest::newRow("three words") << "a bb ccc"
                                     << "a bb ccc" << QStringList{"a", "bb", "ccc"};
        QTest::newRow("empty is one empty word") << ""
                                                 << "" << QStringList{""};
        QTest::newRow("blanks only") << "     "
                                     << "" << QStringList{""};
        QTest::newRow("tabs are not blanks") << "\tro\tssi "
                                             << "\tro\tssi" << QStringList{"\tro\tssi"};
    }
    void keyWords() {
        QFETCH(QString, key);
        QFETCH(QString, normalized);
        QFETCH(QStringList, words);
        QCOMPARE(SearchKey::normalizeKey(key), normalized);
        QCOMPARE(SearchKey::countWords(key), words.size());
        for (int i = 0; i < words.size(); ++i)
            QCOMPARE(SearchKey::getWord(key, i + 1), words.at(i));
        QCOMPARE(SearchKey::getWord(key, 0), QString());
        QCOMPARE(SearchKey::getWord(key, int(words.size()) + 1), QString());
    }

    void wordsExist_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("key");
        QTest::addColumn<bool>("matchCase");
        QTest::addColumn<bool>("found");
        const QString padded = QStringLiteral("Rossi Mario") + QString(19, u' ');
        QTest::newRow("ross mar in Rossi Mario") << padded << "ross mar" << false << true;
        QTest::newRow("ross mar in Mario Rossi") << "Mario Rossi"
                                                 << "ross mar" << false << true;
        QTest::newRow("ross mar not in Rossini") << "Rossini"
                                                 << "ross mar" << false << false;
        QTest::newRow("ROSSI finds Rossi") << "Rossi"
                                           << "ROSSI" << false << true;
        QTest::newRow("match case refuses ROSSI") << "Rossi"
                                                  << "ROSSI" << true << false;
        QTest::newRow("match case finds Rossi") << "Rossi"
                                                << "Ros" << true << true;
        QTest::newRow("messy blanks") << padded << "  rossi   mario " << false << true;
        QTest::newRow("empty key") << padded << "" << false << true;
        QTest::newRow("blank key on empty text") << ""
                                                 << "   " << false << true;
        QTest::newRow("word on empty text") << ""
                                            << "a" << false << false;
        QTest::newRow("CITTÀ finds Città") << QString::fromUtf8("Città di Castello")
                                           << QString::fromUtf8("CITTÀ") << false << true;
        QTest::newRow("È finds è")
            << QString::fromUtf8("caffè") << QString::fromUtf8("FFÈ") << false << true;
        QTest::newRow("Œ Š Ÿ fold")
            << QString::fromUtf8("œuvre šal ÿ") << QString::fromUtf8("ŒUV ŠAL Ÿ") << false << true;
        QTest::newRow("plain a finds à") << QString::fromUtf8("Città") << "citta" << false << true;
        QTest::newRow("niccolo finds Niccolò")
            << QString::fromUtf8("Niccolò Bianchi") << "NICCOLO" << false << true;
        QTest::newRow("à finds plain a") << "Citta" << QString::fromUtf8("CITTÀ") << false << true;
        QTest::newRow("a letter with a stroke is no accent")
            << "Lodz" << QString::fromUtf8("Łódź") << false << false;
        QTest::newRow("words may overlap") << "anna"
                                           << "ann nna" << false << true;
        QTest::newRow("the blank of two words is not a word") << "Rossi Mario"
                                                              << "i m" << false << true;
    }
    void wordsExist() {
        QFETCH(QString, text);
        QFETCH(QString, key);
        QFETCH(bool, matchCase);
        QFETCH(bool, found);
        QCOMPARE(SearchKey::wordsExist(text, key, matchCase), found);
        if (!matchCase) {
            // The scan's byte matcher must answer the same on the stored bytes.
            const QByteArray bytes = Cp1252Codec::encode(text);
            QCOMPARE(KeyMatcher(key).matches(bytes.constData(), int(bytes.size())), found);
        }
    }

    // Every letter the archive can hold: its upper-case form finds its lower-case form
    // and back, in the byte matcher as in the text comparison.
    void everyCodePageLetterFolds() {
        int pairs = 0;
        for (int b = 0; b < 256; ++b) {
            const QChar c = Cp1252Codec::decodeByte(uchar(b));
            if (!c.isUpper()) continue;
            const QChar lower = c.toLower();
            if (Cp1252Codec::decodeByte(uchar(Cp1252Codec::encodeChar(lower))) != lower) continue;
            ++pairs;
            const QByteArray lowerByte(1, Cp1252Codec::encodeChar(lower));
            const QByteArray upperByte(1, char(b));
            QVERIFY2(KeyMatcher(QString(c)).matches(lowerByte.constData(), 1),
                     qPrintable(QString(c)));
            QVERIFY2(KeyMatcher(QString(lower)).matches(upperByte.constData(), 1),
                     qPrintable(QString(c)));
            QVERIFY(SearchKey::wordsExist(QString(lower), QString(c), false));
        }
        QVERIFY(pairs >= 26 + 30 + 3);  // A-Z, À-Þ but ×, Š Œ Ž Ÿ
    }

    // A key the code page cannot hold finds nothing, not even the "?" that stands for
    // such letters in the archive; the byte matcher agrees with the text comparison.
    void keyOutsideTheCodePageFindsNothing_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<bool>("found");
        QTest::newRow("Polish town") << QString::fromUtf8("Łódź") << false;
        QTest::newRow("one letter outside, the rest stored") << QString::fromUtf8("?ód ł") << false;
        QTest::newRow("the stand-in itself") << QString::fromUtf8("?ód?") << true;
        QTest::newRow("a star") << QString::fromUtf8("★") << false;
    }
    void keyOutsideTheCodePageFindsNothing() {
        QFETCH(QString, key);
        QFETCH(bool, found);
        // "Łódź" and "★" as the archive keeps them.
        const QByteArray field(
            "Lodz ?\xF3"
            "d? ?");
        QCOMPARE(KeyMatcher(key).matches(field.constData(), int(field.size())), found);
        QCOMPARE(SearchKey::wordsExist(Cp1252Codec::decode(field), key, false), found);
    }

    void resultLineColumns() {
        const QString name30 = QStringLiteral("Studio Associato Bianchi Verdi");
        QCOMPARE(name30.size(), 30);
        const QString town = QStringLiteral("San Giovanni in Marignano di SopraX");
        QCOMPARE(town.size(), 35);
        const QString line = ResultLine::build(contact(name30, town, QStringLiteral("0541 123456"),
                                                       QStringLiteral("333 1234567"),
                                                       QStringLiteral("info@studio.it")));
        QCOMPARE(line.left(33), name30 + QStringLiteral("   "));
        QCOMPARE(line.mid(33, 30), town.left(30));
        QCOMPARE(line.mid(63, 9), QStringLiteral("   Tel.  "));
        QCOMPARE(line.mid(72, 20), QStringLiteral("0541 123456") + QString(9, u' '));
        QCOMPARE(line.mid(92, 9), QStringLiteral("   Cel.  "));
        QCOMPARE(line.mid(101, 20), QStringLiteral("333 1234567") + QString(9, u' '));
        QCOMPARE(line.mid(121, 3), QStringLiteral("   "));
        QCOMPARE(line.mid(ResultLine::kFixedColumns), QStringLiteral("info@studio.it"));

        const QString empty = ResultLine::build(ContactRecord());
        QCOMPARE(empty.size(), ResultLine::kFixedColumns);
        QCOMPARE(empty, QString(30 + 3 + 30, u' ') + QStringLiteral("   Tel.  ") +
                            QString(20, u' ') + QStringLiteral("   Cel.  ") + QString(23, u' '));
    }

    // The scan builds lines from raw bytes; they must equal the lines the hand-off
    // rebuilds from decoded records, even for files with blanks where a trim would be.
    void rawLineEqualsDecodedLine_data() {
        QTest::addColumn<QByteArray>("raw");
        QByteArray sound = contact(QString::fromUtf8("Caffè Nero"), QString::fromUtf8("Forlì"),
                                   "0543", "", "a@b.it")
                               .encode();
        QTest::newRow("sound record") << sound;
        QByteArray leading = sound;
        leading.replace(ContactRecord::offset(ContactRecord::Citta), 40,
                        QByteArray("   ") + QByteArray(36, 'x') + ' ');
        leading.replace(ContactRecord::offset(ContactRecord::Email), 40,
                        QByteArray(" a@b ") + QByteArray(35, ' '));
        QTest::newRow("leading blanks from another program") << leading;
        QTest::newRow("all blanks") << QByteArray(ContactRecord::kRecordLength, ' ');
        QByteArray high(ContactRecord::kRecordLength, '\x81');
        QTest::newRow("undefined bytes") << high;
    }
    void rawLineEqualsDecodedLine() {
        QFETCH(QByteArray, raw);
        QCOMPARE(Cp1252Codec::decode(ResultLine::buildRaw(raw.constData())),
                 ResultLine::build(ContactRecord::decode(raw)));
    }

    void criterionSearchesItsField_data() {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<int>("field");
        const QStringList texts = SearchCriterion::entryTexts();
        QCOMPARE(texts.size(), 11);
        const int fields[] = {
            ContactRecord::Titolo,       ContactRecord::Sottotitolo, ContactRecord::Indirizzo,
            ContactRecord::Citta,        ContactRecord::Iva,         ContactRecord::Tel,
            ContactRecord::Fax,          ContactRecord::Cel,         ContactRecord::Email,
            ContactRecord::Informazioni, ContactRecord::Web};
        for (int i = 0; i < 11; ++i)
            QTest::newRow(qPrintable(texts.at(i))) << texts.at(i) << fields[i];
    }
    void criterionSearchesItsField() {
        QFETCH(QString, entry);
        QFETCH(int, field);
        QCOMPARE(
            int(*SearchCriterion::fieldFor(QStringLiteral(" ") + entry + QStringLiteral("  "))),
            field);
        TestEnvironment env;
        // Record 1 holds the word in the field, record 2 in every other field, record 3
        // at the very end of the field's width.
        ContactRecord hit;
        hit.setValue(ContactRecord::Titolo, QStringLiteral("Uno"));
        hit.setValue(ContactRecord::Field(field), QStringLiteral("q7z"));
        ContactRecord miss;
        miss.setValue(ContactRecord::Titolo, QStringLiteral("Due"));
        for (int f = 0; f < ContactRecord::FieldCount; ++f)
            if (f != field) miss.setValue(ContactRecord::Field(f), QStringLiteral("q7z"));
        ContactRecord end;
        const int w = ContactRecord::width(ContactRecord::Field(field));
        end.setValue(ContactRecord::Field(field), QString(w - 3, u'-') + QStringLiteral("Q7Z"));
        writeArchive(env, {hit, miss, end});
        ArchiveStore store;
        const auto result =
            ContactSearch::run(store, ContactRecord::Field(field), QStringLiteral("q7z"));
        QCOMPARE(numbersOf(result), (QList<int>{1, 3}));
    }

    void criterionTextsAreExact() {
        QVERIFY(!SearchCriterion::fieldFor(QStringLiteral("citta")));
        QVERIFY(!SearchCriterion::fieldFor(QStringLiteral("Citta")));
        QVERIFY(!SearchCriterion::fieldFor(QString()));
        QVERIFY(!SearchCriterion::fieldFor(QStringLiteral("Logo01")));
    }

    void searchListsInArchiveOrder() {
        TestEnvironment env;
        writeArchive(env, {contact("Mario Rossi", "Roma"), contact("Rossini"), contact("Bianchi"),
                           contact("ROSSI MARIO", "Milano")});
        ArchiveStore store;
        auto result =
            ContactSearch::run(store, ContactRecord::Titolo, QStringLiteral(" ross  mar "));
        QCOMPARE(numbersOf(result), (QList<int>{1, 4}));
        QVERIFY(result.hits.at(0).line.startsWith(QStringLiteral("Mario Rossi")));
        QCOMPARE(ContactSearch::countCaption(int(result.hits.size())),
                 QStringLiteral("Trovati 2 contatti"));

        result = ContactSearch::run(store, ContactRecord::Titolo, QString());
        QCOMPARE(numbersOf(result), (QList<int>{1, 2, 3, 4}));
        result = ContactSearch::run(store, ContactRecord::Titolo, QStringLiteral("verdi"));
        QVERIFY(result.hits.isEmpty());
        QVERIFY(result.readOk);
        QCOMPARE(ContactSearch::countCaption(0), QStringLiteral("Trovati 0 contatti"));
    }

    void missingArchiveIsLeftEmpty() {
        TestEnvironment env;
        const QString path = env.file(QStringLiteral("Contatti.edb"));
        QVERIFY(!QFile::exists(path));
        ArchiveStore store;
        const auto result = ContactSearch::run(store, ContactRecord::Titolo, QString());
        QVERIFY(result.hits.isEmpty());
        QVERIFY(QFile::exists(path));
        QCOMPARE(QFileInfo(path).size(), 0);
    }

    void unreadableArchiveListsNothing() {
        TestEnvironment env;
        QVERIFY(QDir(env.folder()).mkdir(QStringLiteral("Contatti.edb")));
        ArchiveStore store;
        const auto result = ContactSearch::run(store, ContactRecord::Titolo, QString());
        QVERIFY(result.hits.isEmpty());
        QVERIFY(!result.readOk);
    }

    void trailingPartialRecordEnds() {
        TestEnvironment env;
        const QByteArray tail = contact("Rossi Tail").encode().left(500);
        writeArchive(env, {contact("Rossi A"), contact("Rossi B")}, tail);
        ArchiveStore store;
        const auto result =
            ContactSearch::run(store, ContactRecord::Titolo, QStringLiteral("rossi"));
        QCOMPARE(numbersOf(result), (QList<int>{1, 2}));
    }

    // Identical lines stand for the lowest-numbered record that reads so, even when that
    // record did not match the search itself.
    void identicalLinesGiveTheLowestNumber() {
        TestEnvironment env;
        ContactRecord a = contact("Rossi Mario", "Roma", "06 1", "", "m@r.it");
        a.setValue(ContactRecord::Indirizzo, QStringLiteral("Via Uno"));
        a.setValue(ContactRecord::Sottotitolo, QStringLiteral("medico"));
        ContactRecord b = a;
        b.setValue(ContactRecord::Indirizzo, QStringLiteral("Via Due"));
        b.setValue(ContactRecord::Sottotitolo, QStringLiteral("avvocato"));
        ContactRecord c = b;
        writeArchive(env, {contact("Altro"), a, b, c});
        ArchiveStore store;
        auto result = ContactSearch::run(store, ContactRecord::Titolo, QStringLiteral("rossi"));
        QCOMPARE(numbersOf(result), (QList<int>{2, 2, 2}));
        QCOMPARE(result.hits.at(2).listedNumber, 4);
        result = ContactSearch::run(store, ContactRecord::Sottotitolo, QStringLiteral("avvocato"));
        QCOMPARE(numbersOf(result), (QList<int>{2, 2}));

        ContactRecord got;
        QCOMPARE(ContactSearch::recordForHit(store, result.hits.at(1), got), 2);
        QCOMPARE(got.value(ContactRecord::Indirizzo), QStringLiteral("Via Uno"));
    }

    void recordForHitAfterOutsideChange() {
        TestEnvironment env;
        writeArchive(env, {contact("Uno"), contact("Due"), contact("Tre")});
        ArchiveStore store;
        const auto result = ContactSearch::run(store, ContactRecord::Titolo, QStringLiteral("tre"));
        QCOMPARE(result.hits.size(), 1);
        ContactRecord got;
        // The record moved: found again in one pass.
        writeArchive(env, {contact("Tre"), contact("Uno")});
        QCOMPARE(ContactSearch::recordForHit(store, result.hits.first(), got), 1);
        QCOMPARE(got.titolo(), QStringLiteral("Tre"));
        // Gone: nothing, and the pass ends.
        writeArchive(env, {contact("Uno")});
        QCOMPARE(ContactSearch::recordForHit(store, result.hits.first(), got), 0);
        QVERIFY(QFile::remove(env.file(QStringLiteral("Contatti.edb"))));
        QCOMPARE(ContactSearch::recordForHit(store, result.hits.first(), got), 0);
    }
};

QTEST_GUILESS_MAIN(TestContactSearch)
#include "tst_contactsearch.moc"
