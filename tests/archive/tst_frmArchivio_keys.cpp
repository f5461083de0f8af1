#include <QTest>
#include <memory>

#include "archive/ArchiveStore.h"
#include "archive/frmArchivio.h"
#include "support/TestEnvironment.h"
#include "support/widgets/FocusChain.h"
#include "ui/Hub.h"

// The archive window by keyboard alone: every control on the Tab chain with a spoken
// name, and the window's keys.
class TestArchiveKeys : public QObject {
    Q_OBJECT

    std::unique_ptr<TestEnvironment> env;
    QStringList calls;

    std::unique_ptr<frmArchivio> openWindow() {
        auto w = std::make_unique<frmArchivio>();
        w->show();
        if (!QTest::qWaitForWindowActive(w.get())) return nullptr;
        return w;
    }

private slots:
    void init() {
        Hub::instance().reset();
        env = std::make_unique<TestEnvironment>();
        calls.clear();
        for (Hub::Action action :
             {Hub::Action::Search, Hub::Action::ExportXlsx, Hub::Action::ExportDoc,
              Hub::Action::Backup, Hub::Action::Help, Hub::Action::ImportContacts,
              Hub::Action::ExportContacts, Hub::Action::Sync})
            Hub::instance().registerAction(action, [this, action](QWidget *, const QString &arg) {
                calls << Hub::actionName(action) + u':' + arg;
            });
        ArchiveStore store(env->folder());
        for (const char *name : {"Primo", "Secondo"}) {
            ContactRecord r;
            r.setValue(ContactRecord::Titolo, QLatin1String(name));
            r.setValue(ContactRecord::Email, QStringLiteral("a@b.it"));
            QVERIFY(store.appendRecord(r));
        }
    }
    void cleanup() {
        Hub::instance().reset();
        env.reset();
    }

    void everyControlIsOnTheTabChainWithAName() {
        auto w = openWindow();
        QVERIFY(w);
        QCOMPARE(FocusChain::unreachableOrNameless(w.get()), QStringList());
        for (QLabel *logo : w->logoBoxes()) QVERIFY(!FocusChain::spokenName(logo).isEmpty());
    }

    // Each key pressed while the focus is in an entry box (which keeps Ctrl+Home and
    // Ctrl+Delete for itself unless the window claims them).
    void keys_data() {
        QTest::addColumn<QKeySequence>("key");
        QTest::addColumn<QString>("before");  // a browse button clicked first, or empty
        QTest::addColumn<QString>("label");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("call");
        QTest::addColumn<bool>("open");
        QTest::addColumn<bool>("mailto");
        using K = QKeySequence;
        QTest::newRow("Page Down: next") << K(Qt::Key_PageDown) << ""
                                         << " 1" << 2 << "" << true << false;
        QTest::newRow("Page Up: previous") << K(Qt::Key_PageUp) << "cmdUltimo"
                                           << " 1" << 2 << "" << true << false;
        QTest::newRow("Ctrl+Home: first") << K(Qt::CTRL | Qt::Key_Home) << "cmdUltimo"
                                          << " 1" << 2 << "" << true << false;
        QTest::newRow("Ctrl+End: last") << K(Qt::CTRL | Qt::Key_End) << ""
                                        << " 2" << 2 << "" << true << false;
        QTest::newRow("Ctrl+N: new") << K(Qt::CTRL | Qt::Key_N) << "cmdPrimo"
                                     << "" << 2 << "" << true << false;
        QTest::newRow("Ctrl+S: save") << K(Qt::CTRL | Qt::Key_S) << ""
                                      << " 3" << 3 << "" << true << false;
        QTest::newRow("Ctrl+Delete: delete, asked") << K(Qt::CTRL | Qt::Key_Delete) << "cmdUltimo"
                                                    << " 1" << 1 << "" << true << false;
        QTest::newRow("Ctrl+F: search") << K(Qt::CTRL | Qt::Key_F) << ""
                                        << "" << 2 << "search:archivio" << true << false;
        QTest::newRow("Ctrl+E: e-mail") << K(Qt::CTRL | Qt::Key_E) << "cmdPrimo"
                                        << " 1" << 2 << "" << true << true;
        QTest::newRow("F5: sync") << K(Qt::Key_F5) << ""
                                  << "" << 2 << "sync:" << true << false;
        QTest::newRow("F1: help") << K(Qt::Key_F1) << ""
                                  << "" << 2 << "help:archivio" << true << false;
        QTest::newRow("Escape: close") << K(Qt::Key_Escape) << ""
                                       << "" << 2 << "" << false << false;
    }
    void keys() {
        QFETCH(QKeySequence, key);
        QFETCH(QString, before);
        QFETCH(QString, label);
        QFETCH(int, count);
        QFETCH(QString, call);
        QFETCH(bool, open);
        QFETCH(bool, mailto);
        auto w = openWindow();
        QVERIFY(w);
        if (!before.isEmpty()) w->findChild<QPushButton *>(before)->click();
        if (key == QKeySequence(Qt::CTRL | Qt::Key_S)) {
            w->txtTitolo->setFocus();
            QTest::keyClicks(w->txtTitolo, QStringLiteral("Terzo"));
        }
        env->platform().queueAnswer(MsgAnswer::Yes);  // the delete question
        w->txtCitta->setFocus();
        QTest::keySequence(w->txtCitta, key);
        QCOMPARE(w->isVisible(), open);
        if (open) QCOMPARE(w->lblPosizione->text(), label);
        QCOMPARE(ArchiveStore(env->folder()).recordCount(), count);
        QCOMPARE(calls, call.isEmpty() ? QStringList() : QStringList{call});
        QCOMPARE(!env->platform().openedUrls.isEmpty(), mailto);
    }

    void shortcutsAreNamedInTheTooltips() {
        auto w = openWindow();
        QVERIFY(w);
        QCOMPARE(w->cmdSalva->toolTip(), QStringLiteral(" Salva scheda (Ctrl+S) "));
        QCOMPARE(w->cmdAvanti->toolTip(), QString::fromUtf8(" Scheda successiva (PgGiù) "));
        QCOMPARE(w->picVuoto->toolTip(), QStringLiteral(" Elimina scheda (Ctrl+Canc) "));
        QCOMPARE(w->cmdEsci->toolTip(), QStringLiteral(" Esci (Esc) "));
    }
};

QTEST_MAIN(TestArchiveKeys)
#include "tst_frmArchivio_keys.moc"
