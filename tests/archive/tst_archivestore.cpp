#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTest>
#include <memory>

#include "archive/ArchiveMessages.h"
#include "archive/ArchiveStore.h"
#include "archive/ContactEditor.h"
#include "archive/PositionLabel.h"
#include "support/TestEnvironment.h"

namespace {

ContactRecord contact(const QString &name) {
    ContactRecord r;
    r.setValue(ContactRecord::Titolo, name);
    r.setValue(ContactRecord::Citta, QString::fromUtf8("Città di ") + name);
    return r;
}

QByteArray archiveOf(const QStringList &names) {
    QByteArray bytes;
    for (const QString &n : names) bytes += contact(n).encode();
    return bytes;
}

QStringList namesIn(ArchiveStore &store) {
    QStringList names;
    for (const ContactRecord &r : store.readAll()) names << r.titolo();
    return names;
}

// A store whose final rename fails, as on a file system that refuses it.
class RenameFailingStore : public ArchiveStore {
public:
    using ArchiveStore::ArchiveStore;

protected:
    bool replaceArchive(const QString &, const QString &) override { return false; }
};

class FlushFailingStore : public ArchiveStore {
public:
    using ArchiveStore::ArchiveStore;

protected:
    bool flushToDisk(int) override { return false; }
};

}  // namespace

class TestArchiveStore : public QObject {
    Q_OBJECT
private slots:
    void missingFileIsCreatedEmpty() {
        TestEnvironment env;
        ArchiveStore store;
        QVERIFY(!QFile::exists(env.file("Contatti.edb")));
        QCOMPARE(store.recordCount(), 0);
        QVERIFY(QFile::exists(env.file("Contatti.edb")));
        QCOMPARE(QFile(env.file("Contatti.edb")).size(), 0);
    }

    void pathRuleHasNoDoubledSeparator() {
        QCOMPARE(ArchiveStore(QStringLiteral("/")).archivePath(), QStringLiteral("/Contatti.edb"));
        QCOMPARE(
            ArchiveStore(QStringLiteral("/srv/uffici")).archivePath(QStringLiteral("Archivio.tmp")),
            QStringLiteral("/srv/uffici/Archivio.tmp"));
    }

    void appendReadAndRewrite() {
        TestEnvironment env;
        ArchiveStore store;
        QCOMPARE(store.appendRecord(contact("Rossi")), 1);
        QCOMPARE(store.appendRecord(contact("Bianchi")), 2);
        QCOMPARE(QFile(env.file("Contatti.edb")).size(), 2 * 1136);
        ContactRecord changed = contact("Verdi");
        QVERIFY(store.writeRecord(1, changed));
        QCOMPARE(QFile(env.file("Contatti.edb")).size(), 2 * 1136);
        QCOMPARE(namesIn(store), (QStringList{"Verdi", "Bianchi"}));
        ContactRecord back;
        QVERIFY(store.readRecord(2, back));
        QCOMPARE(back.value(ContactRecord::Citta), QString::fromUtf8("Città di Bianchi"));
        QVERIFY(!store.writeRecord(3, changed));
        QVERIFY(!store.writeRecord(0, changed));
        QVERIFY(!store.readRecord(3, back));
        QCOMPARE(QFile(env.file("Contatti.edb")).size(), 2 * 1136);
    }

    void deleteKeepsExactlyTheSurvivors_data() {
        QTest::addColumn<int>("deleted");
        QTest::addColumn<QStringList>("left");
        QTest::newRow("first") << 1 << QStringList{"B", "C", "D", "E"};
        QTest::newRow("middle") << 3 << QStringList{"A", "B", "D", "E"};
        QTest::newRow("last") << 5 << QStringList{"A", "B", "C", "D"};
    }
    void deleteKeepsExactlyTheSurvivors() {
        QFETCH(int, deleted);
        QFETCH(QStringList, left);
        TestEnvironment env;
        QVERIFY(TestEnvironment::writeBytes(env.file("Contatti.edb"),
                                            archiveOf({"A", "B", "C", "D", "E"})));
        ArchiveStore store;
        QVERIFY(store.deleteRecord(deleted));
        QCOMPARE(TestEnvironment::readBytes(env.file("Contatti.edb")), archiveOf(left));
        QVERIFY(!QFile::exists(env.file("Archivio.tmp")));
    }

    void deletingTheOnlyRecordLeavesAnEmptyFile() {
        TestEnvironment env;
        QVERIFY(TestEnvironment::writeBytes(env.file("Contatti.edb"), archiveOf({"Solo"})));
        ArchiveStore store;
        QVERIFY(store.deleteRecord(1));
        QCOMPARE(QFile(env.file("Contatti.edb")).size(), 0);
    }

    void deleteOutOfRangeRemovesNothing() {
        TestEnvironment env;
        const QByteArray before = archiveOf({"A", "B"});
        QVERIFY(TestEnvironment::writeBytes(env.file("Contatti.edb"), before));
        ArchiveStore store;
        QVERIFY(!store.deleteRecord(3));
        QVERIFY(!store.deleteRecord(0));
        QCOMPARE(TestEnvironment::readBytes(env.file("Contatti.edb")), before);
    }

    void staleTemporaryFileNeverReachesTheArchive() {
        TestEnvironment env;
        QVERIFY(TestEnvironment::writeBytes(env.file("Contatti.edb"), archiveOf({"A", "B", "C"})));
        // Left by an interrupted deletion: longer than the new archive, other records.
        QVERIFY(TestEnvironment::writeBytes(env.file("Archivio.tmp"),
                                            archiveOf({"X", "Y", "Z", "W", "V"})));
        ArchiveStore store;
        QVERIFY(store.deleteRecord(2));
        QCOMPARE(TestEnvironment::readBytes(env.file("Contatti.edb")), archiveOf({"A", "C"}));
        QVERIFY(!QFile::exists(env.file("Archivio.tmp")));
    }

    void failedDeletionLeavesTheArchiveUnchanged() {
        TestEnvironment env;
        const QByteArray before = archiveOf({"A", "B", "C"});
        QVERIFY(TestEnvironment::writeBytes(env.file("Contatti.edb"), before));
        {
            RenameFailingStore store(env.folder());
            QVERIFY(!store.deleteRecord(2));
        }
        QCOMPARE(TestEnvironment::readBytes(env.file("Contatti.edb")), before);
        QVERIFY(!QFile::exists(env.file("Archivio.tmp")));
        {
            FlushFailingStore store(env.folder());
            QVERIFY(!store.deleteRecord(1));
        }
        QCOMPARE(TestEnvironment::readBytes(env.file("Contatti.edb")), before);
        QVERIFY(!QFile::exists(env.file("Archivio.tmp")));
    }

    // The sync's one-step rewrite: done only over the archive it read, all or nothing.
    void replaceAllOnlyOverTheArchiveRead_data() {
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<bool>("renameFails");
        QTest::addColumn<QStringList>("after");
        QTest::newRow("as read") << QStringList{"A", "B"} << false << QStringList{"C", "A"};
        QTest::newRow("changed meanwhile")
            << QStringList{"A", "X"} << false << QStringList{"A", "B"};
        QTest::newRow("one record more meanwhile")
            << QStringList{"A"} << false << QStringList{"A", "B"};
        QTest::newRow("rename fails") << QStringList{"A", "B"} << true << QStringList{"A", "B"};
    }
    void replaceAllOnlyOverTheArchiveRead() {
        QFETCH(QStringList, expected);
        QFETCH(bool, renameFails);
        QFETCH(QStringList, after);
        TestEnvironment env;
        QVERIFY(TestEnvironment::writeBytes(env.file("Contatti.edb"), archiveOf({"A", "B"})));
        QList<ContactRecord> read;
        for (const QString &n : expected) read << contact(n);
        const QList<ContactRecord> wanted{contact("C"), contact("A")};
        std::unique_ptr<ArchiveStore> store(renameFails ? new RenameFailingStore(env.folder())
                                                        : new ArchiveStore(env.folder()));
        QCOMPARE(store->replaceAll(read, wanted), after.first() == QLatin1String("C"));
        QCOMPARE(store->changedElsewhere(), expected != QStringList({"A", "B"}));
        QCOMPARE(TestEnvironment::readBytes(env.file("Contatti.edb")), archiveOf(after));
        QVERIFY(!QFile::exists(env.file("Archivio.tmp")));
    }

    void readOnlyArchiveIsRefusedUnchanged() {
        TestEnvironment env;
        const QByteArray before = archiveOf({"A", "B"});
        const QString path = env.file("Contatti.edb");
        QVERIFY(TestEnvironment::writeBytes(path, before));
        QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
        ArchiveStore store;
        QCOMPARE(store.appendRecord(contact("C")), 0);
        QVERIFY(!store.writeRecord(1, contact("Z")));
        QVERIFY(!store.deleteRecord(1));
        QCOMPARE(TestEnvironment::readBytes(path), before);
        QVERIFY(!QFile::exists(env.file("Archivio.tmp")));
        QCOMPARE(store.recordCount(), 2);
    }

    void readOnlyFolderWithoutArchiveReadsEmpty() {
        TestEnvironment env;
        QDir(env.folder()).mkdir("ro");
        const QString ro = env.folder() + "/ro";
        QFile::setPermissions(ro, QFile::ReadOwner | QFile::ExeOwner);
        ArchiveStore store(ro);
        QCOMPARE(store.recordCount(), 0);
        QCOMPARE(store.appendRecord(contact("A")), 0);
        QVERIFY(!QFile::exists(ro + "/Contatti.edb"));
        QFile::setPermissions(ro, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    void archiveThatIsAFolderIsNoArchive() {
        TestEnvironment env;
        QVERIFY(QDir(env.folder()).mkdir("Contatti.edb"));
        ArchiveStore store;
        QCOMPARE(store.recordCount(), -1);
        QCOMPARE(store.appendRecord(contact("A")), 0);
        QVERIFY(!store.deleteRecord(1));
        QVERIFY(store.readAll().isEmpty());
    }

    void partialTrailingRecord() {
        TestEnvironment env;
        const QString path = env.file("Contatti.edb");
        const QByteArray whole = archiveOf({"A", "B", "C"});
        QVERIFY(TestEnvironment::writeBytes(path, whole + QByteArray("Tronc", 5)));
        ArchiveStore store;
        QCOMPARE(store.recordCount(), 3);
        QCOMPARE(store.partialTailBytes(), qint64(5));
        QCOMPARE(namesIn(store), (QStringList{"A", "B", "C"}));
        ContactRecord r;
        QVERIFY(store.readRecord(3, r));
        QCOMPARE(r.titolo(), QStringLiteral("C"));
        // Rewriting in place leaves the tail alone.
        QVERIFY(store.writeRecord(2, contact("B2")));
        QCOMPARE(QFile(path).size(), qint64(3 * 1136 + 5));
        // Appending puts the new record right after the whole ones, over the tail.
        QCOMPARE(store.appendRecord(contact("D")), 4);
        QCOMPARE(TestEnvironment::readBytes(path), archiveOf({"A", "B2", "C", "D"}));
        // Deleting writes the whole records only.
        QVERIFY(TestEnvironment::writeBytes(path, whole + QByteArray(700, 'x')));
        QVERIFY(store.deleteRecord(1));
        QCOMPARE(TestEnvironment::readBytes(path), archiveOf({"B", "C"}));
    }

    void wholeArchiveReadCrossesBlocks() {
        TestEnvironment env;
        QStringList names;
        for (int i = 0; i < 2500; ++i) names << QStringLiteral("N%1").arg(i);
        QVERIFY(TestEnvironment::writeBytes(env.file("Contatti.edb"), archiveOf(names)));
        ArchiveStore store;
        QCOMPARE(namesIn(store), names);
        QVERIFY(store.deleteRecord(1000));
        names.removeAt(999);
        QCOMPARE(namesIn(store), names);
        int visited = 0;
        store.forEachRecord([&](int n, const ContactRecord &r) {
            ++visited;
            return !(n == 10 && r.titolo() == QStringLiteral("N9"));
        });
        QCOMPARE(visited, 10);
    }

    void navigation_data() {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("direction");
        QTest::addColumn<QString>("label");
        QTest::addColumn<int>("shown");
        using D = ArchiveStore::Direction;
        QTest::newRow("next on last stays") << 5 << int(D::Next) << " 5" << 5;
        QTest::newRow("previous on first stays") << 5 << int(D::Previous) << " 1" << 1;
        QTest::newRow("next from new contact") << 5 << int(D::Next) << "" << 1;
        QTest::newRow("previous from new contact") << 5 << int(D::Previous) << "" << 1;
        QTest::newRow("last of seven") << 7 << int(D::Last) << " 2" << 7;
        QTest::newRow("first") << 7 << int(D::First) << " 6" << 1;
        QTest::newRow("beyond a shortened archive") << 3 << int(D::Next) << " 9" << 3;
    }
    void navigation() {
        QFETCH(int, count);
        QFETCH(int, direction);
        QFETCH(QString, label);
        QFETCH(int, shown);
        TestEnvironment env;
        QStringList names;
        for (int i = 1; i <= count; ++i) names << QStringLiteral("R%1").arg(i);
        QVERIFY(TestEnvironment::writeBytes(env.file("Contatti.edb"), archiveOf(names)));
        ArchiveStore store;
        const auto nav = store.navigateTo(ArchiveStore::Direction(direction), label);
        QVERIFY(!nav.empty);
        QCOMPARE(nav.number, shown);
        QVERIFY(nav.readOk);
        QCOMPARE(nav.record.titolo(), QStringLiteral("R%1").arg(shown));
        QCOMPARE(PositionLabel::text(nav.number), QStringLiteral(" %1").arg(shown));
        QVERIFY(env.platform().messages.isEmpty());
    }

    void navigationOnAMissingArchiveGivesTheEmptyMessage() {
        TestEnvironment env;
        ArchiveStore store;
        const auto nav = store.navigateTo(ArchiveStore::Direction::Next, QString());
        QVERIFY(nav.empty);
        QVERIFY(QFile::exists(env.file("Contatti.edb")));
        // The logic shows nothing itself: the browsing window shows what it returns.
        QVERIFY(env.platform().messages.isEmpty());
        const Message &m = nav.message;
        QCOMPARE(m.text, QStringLiteral("L'archivio non contiene nessuna scheda."));
        QCOMPARE(m.title, QStringLiteral("Attenzione: database vuoto"));
        QCOMPARE(m.icon, MsgIcon::Exclamation);
        QCOMPARE(m.buttons, MsgButtons::Ok);
    }

    // The save and delete rules return what the user is told and show no box: the window
    // shows it, the terminal prints its text.
    void editorOutcomesShowNoBox_data() {
        QTest::addColumn<QString>("label");
        QTest::addColumn<int>("result");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("left");
        using R = ContactEditor::DeleteResult;
        QTest::newRow("nothing shown")
            << QString() << int(R::NotShown) << ArchiveMessages::kDeleteNotApplicableText
            << QStringList{"A", "B"};
        QTest::newRow("past the end")
            << " 3" << int(R::Gone) << ArchiveMessages::kDeleteNotApplicableText
            << QStringList{"A", "B"};
        QTest::newRow("deleted") << " 1" << int(R::Deleted) << ArchiveMessages::kDeletedText
                                 << QStringList{"B"};
    }
    void editorOutcomesShowNoBox() {
        QFETCH(QString, label);
        QFETCH(int, result);
        QFETCH(QString, text);
        QFETCH(QStringList, left);
        TestEnvironment env;
        QVERIFY(TestEnvironment::writeBytes(env.file("Contatti.edb"), archiveOf({"A", "B"})));
        ArchiveStore store;
        ContactEditor editor(store);
        const Message question = ContactEditor::deleteQuestion(label);
        QCOMPARE(question.buttons, label.isEmpty() ? MsgButtons::Ok : MsgButtons::YesNo);
        const ContactEditor::DeleteOutcome out = editor.remove(label);
        QCOMPARE(int(out.result), result);
        QCOMPARE(out.message.text, text);
        QCOMPARE(namesIn(store), left);
        QVERIFY(env.platform().messages.isEmpty());
        QVERIFY(editor.save(QString(), ContactRecord()).result ==
                ContactEditor::SaveResult::MissingName);
        QVERIFY(env.platform().messages.isEmpty());
    }

    void positionLabel() {
        QCOMPARE(PositionLabel::text(3), QStringLiteral(" 3"));
        QCOMPARE(PositionLabel::value(QStringLiteral(" 12")), 12);
        QCOMPARE(PositionLabel::value(QString()), 0);
        QCOMPARE(PositionLabel::value(QStringLiteral("abc")), 0);
        QCOMPARE(PositionLabel::value(QStringLiteral("  7x")), 7);
    }
};

QTEST_GUILESS_MAIN(TestArchiveStore)
#include "tst_archivestore.moc"
