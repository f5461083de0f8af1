#include <QFile>
#include <QTest>

#include "archive/ArchiveMessages.h"
#include "archive/ArchiveStore.h"
#include "contactlist/ContactTable.h"
#include "contactlist/ListSelection.h"
#include "support/TestEnvironment.h"

namespace {

ContactRecord named(const QString &name, const QString &email = QString()) {
    ContactRecord r;
    r.setValue(ContactRecord::Titolo, name);
    r.setValue(ContactRecord::Email, email);
    return r;
}

// The list's selection of the given records of the archive, as the list read them.
ListSelection select(ArchiveStore &store, const QList<int> &numbers) {
    ContactTable table;
    table.load(store);
    QList<ListSelection::Contact> contacts;
    for (int n : numbers)
        contacts << ListSelection::Contact{table.identity(n - 1),
                                           table.text(n - 1, ListColumns::Titolo),
                                           table.text(n - 1, ListColumns::Email)};
    return ListSelection(contacts);
}

QStringList names(ArchiveStore &store) {
    QStringList out;
    for (const ContactRecord &r : store.readAll()) out << r.titolo();
    return out;
}

}  // namespace

class TestListSelection : public QObject {
    Q_OBJECT
private slots:
    // Deleting the selection: all of it in one change, or nothing when the archive no
    // longer holds a selected contact where the list read it.
    void remove_data() {
        QTest::addColumn<QString>("meanwhile");
        QTest::addColumn<int>("result");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("left");
        const QString changed = QString::fromUtf8(ArchiveMessages::kChangedElsewhereText);
        const QStringList all{"A", "B", "C", "D", "E"};
        QTest::newRow("two of five")
            << "" << int(ListSelection::DeleteResult::Deleted)
            << QString::fromUtf8("Le 2 schede sono state rimosse dall'archivio.")
            << QStringList{"A", "C", "E"};
        QTest::newRow("a selected record rewritten elsewhere")
            << "rewrite 4" << int(ListSelection::DeleteResult::ChangedElsewhere) << changed
            << QStringList{"A", "B", "C", "D*", "E"};
        QTest::newRow("records moved by a deletion elsewhere")
            << "delete 1" << int(ListSelection::DeleteResult::ChangedElsewhere) << changed
            << QStringList{"B", "C", "D", "E"};
        QTest::newRow("read-only archive")
            << "protect" << int(ListSelection::DeleteResult::Failed)
            << QString::fromUtf8(ArchiveMessages::kDeleteErrorText) << all;
    }
    void remove() {
        QFETCH(QString, meanwhile);
        QFETCH(int, result);
        QFETCH(QString, text);
        QFETCH(QStringList, left);
        TestEnvironment env;
        ArchiveStore store(env.folder());
        for (const char *n : {"A", "B", "C", "D", "E"})
            QVERIFY(store.appendRecord(named(QString::fromLatin1(n))));
        const ListSelection chosen = select(store, {2, 4});
        const QString path = store.archivePath();
        if (meanwhile == QLatin1String("rewrite 4"))
            QVERIFY(store.writeRecord(4, named(QStringLiteral("D*"))));
        if (meanwhile == QLatin1String("delete 1")) QVERIFY(store.deleteRecord(1));
        if (meanwhile == QLatin1String("protect"))
            QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup);
        const QByteArray before = TestEnvironment::readBytes(path);

        const ListSelection::DeleteOutcome out = chosen.remove(store);
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
        QCOMPARE(int(out.result), result);
        QCOMPARE(out.message.text, text);
        QCOMPARE(names(store), left);
        if (result != int(ListSelection::DeleteResult::Deleted))
            QCOMPARE(TestEnvironment::readBytes(path), before);
        QVERIFY(!QFile::exists(store.archivePath(QString::fromLatin1(ArchiveStore::kTempName))));
    }

    void deleteQuestion_data() {
        QTest::addColumn<QList<int>>("numbers");
        QTest::addColumn<QString>("text");
        QTest::newRow("one") << QList<int>{5}
                             << "Si vuole proprio cancellare la scheda n. 5?\r\n\r\nE";
        QTest::newRow("four: three names and one more")
            << QList<int>{1, 2, 3, 4}
            << "Si vogliono proprio cancellare 4 schede?\r\n\r\nA, B, C e un'altra.";
        QTest::newRow("five") << QList<int>{1, 2, 3, 4, 5}
                              << "Si vogliono proprio cancellare 5 schede?\r\n\r\nA, B, C e "
                                 "altre 2.";
    }
    void deleteQuestion() {
        QFETCH(QList<int>, numbers);
        QFETCH(QString, text);
        TestEnvironment env;
        ArchiveStore store(env.folder());
        for (const char *n : {"A", "B", "C", "D", "E"})
            QVERIFY(store.appendRecord(named(QString::fromLatin1(n))));
        const Message question = select(store, numbers).deleteQuestion();
        QCOMPARE(question.text, QString::fromUtf8(text.toUtf8()));
        QCOMPARE(question.title, QStringLiteral("Conferma operazione"));
        QCOMPARE(question.buttons, MsgButtons::YesNo);
    }

    void mailInBlindCopy() {
        TestEnvironment env;
        ArchiveStore store(env.folder());
        store.appendRecord(named(QStringLiteral("A"), QStringLiteral("a@esempio.it")));
        store.appendRecord(named(QStringLiteral("B")));
        store.appendRecord(named(QStringLiteral("C"), QStringLiteral("A@esempio.it")));
        store.appendRecord(named(QStringLiteral("D"), QStringLiteral("d.rossi@esempio.it")));
        QCOMPARE(select(store, {1, 2, 3, 4}).mailRequest(),
                 QStringLiteral("mailto:?BCC=a@esempio.it,d.rossi@esempio.it"));
        QCOMPARE(select(store, {2}).mailRequest(), QString());
    }
};

QTEST_GUILESS_MAIN(TestListSelection)
#include "tst_listselection.moc"
