#include <QApplication>
#include <QTest>

#include "app/frmMenu.h"
#include "support/TestEnvironment.h"
#include "support/widgets/FocusChain.h"
#include "ui/Hub.h"
#include "ui/MainWindowBase.h"

namespace {

class FakeMain : public MainWindowBase {
public:
    FakeMain() : MainWindowBase(QImage(), QSize(100, 100)) {}
};

}  // namespace

// The menu by keyboard alone.
class TestMenuKeys : public QObject {
    Q_OBJECT

    QString ran;

    frmMenu *start() {
        Hub &hub = Hub::instance();
        hub.registerMain(Hub::Main::Menu, [] { return new frmMenu; });
        for (auto kind : {Hub::Main::Archive, Hub::Main::Cards, Hub::Main::Envelopes})
            hub.registerMain(kind, [] { return new FakeMain; });
        for (Hub::Action action :
             {Hub::Action::Help, Hub::Action::Info, Hub::Action::About, Hub::Action::ContactList})
            hub.registerAction(action, [this, action](QWidget *, const QString &arg) {
                ran = Hub::actionName(action) + u':' + arg;
            });
        auto *menu = qobject_cast<frmMenu *>(hub.open(Hub::Main::Menu));
        if (menu && !QTest::qWaitForWindowActive(menu)) return nullptr;
        return menu;
    }

private slots:
    void init() {
        Hub::instance().reset();
        ran.clear();
    }
    void cleanup() {
        Hub::instance().reset();
        for (QWidget *w : QApplication::topLevelWidgets()) w->close();
        QApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void everyKeyIsOnTheTabChainWithAName() {
        TestEnvironment env;
        frmMenu *menu = start();
        QVERIFY(menu);
        QCOMPARE(FocusChain::unreachableOrNameless(menu), QStringList());
        for (QWidget *logo : {static_cast<QWidget *>(menu->picArchivioDati),
                              static_cast<QWidget *>(menu->imgVista)})
            QVERIFY(!FocusChain::spokenName(logo).isEmpty());
    }

    void keys_data() {
        QTest::addColumn<QKeySequence>("key");
        QTest::addColumn<QString>("focus");  // the control with the focus, or empty
        QTest::addColumn<int>("opened");     // Hub::Main now shown, -1: none (exit)
        QTest::addColumn<QString>("action");
        using K = QKeySequence;
        const int menu = int(Hub::Main::Menu);
        QTest::newRow("Alt+A archive")
            << K(Qt::ALT | Qt::Key_A) << "" << int(Hub::Main::Archive) << "";
        QTest::newRow("Alt+E the list over the archive")
            << K(Qt::ALT | Qt::Key_E) << "" << int(Hub::Main::Archive) << "contact-list:archivio";
        QTest::newRow("Alt+B cards") << K(Qt::ALT | Qt::Key_B) << "" << int(Hub::Main::Cards) << "";
        QTest::newRow("Alt+U envelopes")
            << K(Qt::ALT | Qt::Key_U) << "" << int(Hub::Main::Envelopes) << "";
        QTest::newRow("F1 help") << K(Qt::Key_F1) << "" << menu << "help:menu";
        QTest::newRow("Alt+I information") << K(Qt::ALT | Qt::Key_I) << "" << menu << "info:";
        QTest::newRow("Alt+X exit") << K(Qt::ALT | Qt::Key_X) << "" << -1 << "";
        QTest::newRow("Space on the about key")
            << K(Qt::Key_Space) << "picRights" << menu << "about:";
        QTest::newRow("Enter on the cards key")
            << K(Qt::Key_Return) << "cmdBiglietti" << int(Hub::Main::Cards) << "";
    }
    void keys() {
        QFETCH(QKeySequence, key);
        QFETCH(QString, focus);
        QFETCH(int, opened);
        QFETCH(QString, action);
        TestEnvironment env;
        frmMenu *menu = start();
        QVERIFY(menu);
        QWidget *target = menu;
        if (!focus.isEmpty()) {
            target = menu->findChild<QWidget *>(focus);
            target->setFocus(Qt::TabFocusReason);
        }
        QTest::keySequence(target, key);
        // A caption's Alt letter clicks its button after a short animation.
        Hub &hub = Hub::instance();
        QTRY_COMPARE(hub.current() ? int(hub.currentKind()) : -1, opened);
        QTRY_COMPARE(ran, action);  // the list opens once the archive window is up
    }
};

QTEST_MAIN(TestMenuKeys)
#include "tst_frmMenu_keys.moc"
