#include <QTest>
#include <memory>

#include "archive/ArchiveStore.h"
#include "archive/frmArchivio.h"
#include "support/TestEnvironment.h"
#include "ui/Hub.h"

namespace {

ContactRecord contact(const QString &name, const QString &city) {
    ContactRecord r;
    r.setValue(ContactRecord::Titolo, name);
    r.setValue(ContactRecord::Citta, city);
    return r;
}

}  // namespace

// Typed changes are not lost without a word: leaving an edited contact asks first.
class TestArchiveUnsaved : public QObject {
    Q_OBJECT
private slots:
    void init() { Hub::instance().reset(); }
    void cleanup() { Hub::instance().reset(); }

    void leavingAnEditedContact_data() {
        QTest::addColumn<QString>("action");
        QTest::addColumn<bool>("type");
        QTest::addColumn<int>("answer");  // MsgAnswer, or -1: no question expected
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("storedCity");
        QTest::addColumn<bool>("searched");
        QTest::addColumn<bool>("open");

        const int yes = int(MsgAnswer::Yes), no = int(MsgAnswer::No),
                  cancel = int(MsgAnswer::Cancel);
        // Not edited: the Part's browsing as it was, no question.
        QTest::newRow("next, not edited") << "next" << false << -1 << " 2"
                                          << "Roma" << false << true;
        QTest::newRow("close, not edited") << "close" << false << -1 << " 1"
                                           << "Roma" << false << false;
        for (const char *action : {"next", "new", "search", "close"}) {
            const QString a = QLatin1String(action);
            const QString after = a == "next" ? " 2" : a == "new" ? "" : " 1";
            const bool searches = a == "search";
            const bool stays = a != "close";
            QTest::addRow("%s, Sì saves and goes on", action)
                << a << true << yes << after << "Milano" << searches << stays;
            QTest::addRow("%s, No goes on", action)
                << a << true << no << after << "Roma" << searches << stays;
            QTest::addRow("%s, Annulla stays", action) << a << true << cancel << " 1"
                                                       << "Roma" << false << true;
        }
    }
    void leavingAnEditedContact() {
        QFETCH(QString, action);
        QFETCH(bool, type);
        QFETCH(int, answer);
        QFETCH(QString, label);
        QFETCH(QString, storedCity);
        QFETCH(bool, searched);
        QFETCH(bool, open);

        TestEnvironment env;
        ArchiveStore store(env.folder());
        QVERIFY(store.appendRecord(contact(QStringLiteral("Primo"), QStringLiteral("Roma"))));
        QVERIFY(store.appendRecord(contact(QStringLiteral("Secondo"), QStringLiteral("Napoli"))));
        bool didSearch = false;
        Hub::instance().registerAction(
            Hub::Action::Search, [&didSearch](QWidget *, const QString &) { didSearch = true; });

        auto w = std::make_unique<frmArchivio>();
        w->show();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        w->cmdPrimo->click();
        if (type) {
            w->txtCitta->selectAll();
            QTest::keyClicks(w->txtCitta, QStringLiteral("Milano"));
        }
        const qsizetype before = env.platform().messages.size();
        if (answer >= 0) env.platform().queueAnswer(MsgAnswer(answer));

        if (action == QLatin1String("next")) w->cmdAvanti->click();
        if (action == QLatin1String("new")) w->cmdNuovo->click();
        if (action == QLatin1String("search")) w->cmdTrova->click();
        if (action == QLatin1String("close")) w->close();

        const auto shown = env.platform().messages.mid(before);
        if (answer < 0) {
            QVERIFY(shown.isEmpty());
        } else {
            QVERIFY(!shown.isEmpty());
            QCOMPARE(shown.first().text, QStringLiteral("Salvare le modifiche alla scheda n. 1?"));
            QCOMPARE(shown.first().buttons, MsgButtons::YesNoCancel);
        }
        QCOMPARE(w->isVisible(), open);
        if (open) QCOMPARE(w->lblPosizione->text(), label);
        QCOMPARE(didSearch, searched);
        ContactRecord stored;
        QVERIFY(ArchiveStore(env.folder()).readRecord(1, stored));
        QCOMPARE(ContactRecord::trimBlanks(stored.value(ContactRecord::Citta)), storedCity);
    }
};

QTEST_MAIN(TestArchiveUnsaved)
#include "tst_frmArchivio_unsaved.moc"
