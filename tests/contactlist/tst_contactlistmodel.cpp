#include <QTest>

#include "archive/ArchiveStore.h"
#include "contactlist/ContactListModel.h"
#include "support/TestEnvironment.h"

namespace {

ContactRecord contact(const QString &name, const QString &town, const QString &tel = QString()) {
    ContactRecord r;
    r.setValue(ContactRecord::Titolo, name);
    r.setValue(ContactRecord::Citta, town);
    r.setValue(ContactRecord::Tel, tel);
    return r;
}

QByteArray archive(const QList<ContactRecord> &records) {
    QByteArray bytes;
    for (const ContactRecord &r : records) bytes += r.encode();
    return bytes;
}

QList<ContactRecord> sample() {
    return {contact(QStringLiteral("zeta srl"), QStringLiteral("Roma"), QStringLiteral("06 1234")),
            contact(QString::fromUtf8("Àlfa Studio"), QString::fromUtf8("Forlì"),
                    QStringLiteral("0543 72")),
            contact(QStringLiteral("bianchi"), QStringLiteral("milano"), QStringLiteral("02-55")),
            contact(QStringLiteral("alfa studio"), QStringLiteral("Cesena"))};
}

QList<int> shownNumbers(const ContactListModel &model) {
    QList<int> out;
    for (int r = 0; r < model.rowCount(); ++r) out << model.identity(r).number;
    return out;
}

}  // namespace

class TestContactListModel : public QObject {
    Q_OBJECT
private slots:
    // What the list shows of an archive: every whole record, the count, a tail untouched.
    void rowsAndCount_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("caption");
        QTest::newRow("missing archive") << QByteArray() << ""
                                         << "0 contatti";
        QTest::newRow("one contact") << archive(sample().mid(0, 1)) << ""
                                     << "1 contatto";
        QTest::newRow("four") << archive(sample()) << ""
                              << "4 contatti";
        QTest::newRow("filtered") << archive(sample()) << "alfa"
                                  << "2 di 4 contatti";
        QTest::newRow("truncated: whole records listed")
            << archive(sample()) + QByteArray(700, 'x') << ""
            << "4 contatti";
    }
    void rowsAndCount() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, filter);
        QFETCH(QString, caption);
        TestEnvironment env;
        const QString path = env.file(QStringLiteral("Contatti.edb"));
        if (!bytes.isEmpty()) QVERIFY(TestEnvironment::writeBytes(path, bytes));
        ContactListModel model(env.folder());
        QVERIFY(model.reload());
        model.setFilterText(filter);
        QCOMPARE(model.countCaption(), caption);
        QCOMPARE(model.rowCount(), model.shownCount());
        QCOMPARE(TestEnvironment::readBytes(path), bytes);
    }

    void sortByColumn_data() {
        QTest::addColumn<int>("column");
        QTest::addColumn<bool>("descending");
        QTest::addColumn<QList<int>>("numbers");
        QTest::newRow("name, no case nor accents; ties by number")
            << int(ListColumns::Titolo) << false << QList<int>{2, 4, 3, 1};
        QTest::newRow("name descending")
            << int(ListColumns::Titolo) << true << QList<int>{1, 3, 2, 4};
        QTest::newRow("town") << int(ListColumns::Citta) << false << QList<int>{4, 2, 3, 1};
        QTest::newRow("number descending")
            << int(ListColumns::Number) << true << QList<int>{4, 3, 2, 1};
    }
    void sortByColumn() {
        QFETCH(int, column);
        QFETCH(bool, descending);
        QFETCH(QList<int>, numbers);
        TestEnvironment env;
        QVERIFY(TestEnvironment::writeBytes(env.file(QStringLiteral("Contatti.edb")),
                                            archive(sample())));
        ContactListModel model(env.folder());
        model.reload();
        model.sort(column, descending ? Qt::DescendingOrder : Qt::AscendingOrder);
        QCOMPARE(shownNumbers(model), numbers);
        // The filter keeps the order.
        model.setFilterText(QStringLiteral("i"));
        QList<int> kept;
        for (int n : numbers)
            if (n != 1) kept << n;
        QCOMPARE(shownNumbers(model), kept);
    }

    // Typing on only looks again at the rows still shown: it must keep what a fresh
    // filter keeps, at every key (a dash in a phone included).
    void typingKeepsWhatAFreshFilterKeeps() {
        TestEnvironment env;
        QVERIFY(TestEnvironment::writeBytes(env.file(QStringLiteral("Contatti.edb")),
                                            archive(sample())));
        ContactListModel typed(env.folder());
        typed.reload();
        for (const QString &text : {QStringLiteral("alfa st"), QStringLiteral("-55"),
                                    QStringLiteral("0543 7"), QStringLiteral("a b")}) {
            for (int n = 0; n <= text.size(); ++n) {
                typed.setFilterText(text.left(n));
                ContactListModel fresh(env.folder());
                fresh.reload();
                fresh.setFilterText(text.left(n));
                QCOMPARE(shownNumbers(typed), shownNumbers(fresh));
            }
        }
    }

    void readAgainWhenTheFileChanges() {
        TestEnvironment env;
        QVERIFY(TestEnvironment::writeBytes(env.file(QStringLiteral("Contatti.edb")),
                                            archive(sample())));
        ContactListModel model(env.folder());
        model.reload();
        model.setFilterText(QStringLiteral("studio"));
        QVERIFY(!model.reloadIfChanged());
        ArchiveStore store(env.folder());
        QVERIFY(
            store.appendRecord(contact(QStringLiteral("Nuovo Studio"), QStringLiteral("Bari"))));
        QVERIFY(model.reloadIfChanged());
        QCOMPARE(model.countCaption(), QStringLiteral("3 di 5 contatti"));
    }
};

QTEST_GUILESS_MAIN(TestContactListModel)
#include "tst_contactlistmodel.moc"
