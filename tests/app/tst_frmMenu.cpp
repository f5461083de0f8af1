#include <QApplication>
#include <QMouseEvent>
#include <QTest>

#include "app/frmMenu.h"
#include "platform/Translations.h"
#include "support/TestEnvironment.h"
#include "ui/Hub.h"
#include "ui/MainWindowBase.h"

namespace {

// A main window standing in for the archive, card or envelope window.
class FakeMain : public MainWindowBase {
public:
    explicit FakeMain(int *unloads)
        : MainWindowBase(QImage(), QSize(100, 100)), m_unloads(unloads) {}

protected:
    void formUnload() override { ++*m_unloads; }

private:
    int *m_unloads;
};

int visibleTopLevels() {
    int n = 0;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->isVisible()) ++n;
    return n;
}

}  // namespace

class TestMenu : public QObject {
    Q_OBJECT
private slots:
    void init() {
        Hub::instance().reset();
        Hub::instance().registerMain(Hub::Main::Menu, [] { return new frmMenu; });
        QApplication::processEvents();
    }
    void cleanup() {
        Hub::instance().reset();
        for (QWidget *w : QApplication::topLevelWidgets()) w->close();
        QApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void startsOnTheMenuUntilTheComposerExists() {
        QWidget *w = Hub::instance().start();
        QVERIFY(qobject_cast<frmMenu *>(w));
        QCOMPARE(w->windowTitle(), QStringLiteral(" Cartaflex 2.0"));
        auto *menu = qobject_cast<frmMenu *>(w);
        QVERIFY(!menu->cmdArchivioDati->isEnabled());
        QVERIFY(!menu->cmdBuste->isEnabled());
        QVERIFY(!menu->imgGuida->isEnabled());
        QVERIFY(!menu->cmdElencoContatti->isEnabled());
        const QString shots = qEnvironmentVariable("CARTAFLEX_SCREENSHOT_DIR");
        if (!shots.isEmpty()) menu->grab().save(shots + QStringLiteral("/frmMenu.png"));
    }

    void hubKeepsExactlyOneMainWindow() {
        int unloads = 0;
        Hub &hub = Hub::instance();
        hub.registerMain(Hub::Main::Archive, [&] { return new FakeMain(&unloads); });
        hub.registerMain(Hub::Main::Cards, [&] { return new FakeMain(&unloads); });
        QWidget *first = hub.start();
        QVERIFY(dynamic_cast<FakeMain *>(first));  // the composer is the first window
        QCOMPARE(visibleTopLevels(), 1);

        first->close();  // a main window unloading shows a new menu
        QApplication::processEvents();
        auto *menu = hub.currentAs<frmMenu>();
        QVERIFY(menu);
        QVERIFY(menu->isVisible());
        QCOMPARE(unloads, 1);
        QCOMPARE(visibleTopLevels(), 1);
        QVERIFY(menu->cmdArchivioDati->isEnabled());

        QPointer<frmMenu> oldMenu = menu;
        QTest::mouseClick(menu->cmdArchivioDati, Qt::LeftButton);
        QApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(oldMenu.isNull() || !oldMenu->isVisible());
        QVERIFY(dynamic_cast<FakeMain *>(hub.current()));
        QCOMPARE(hub.currentKind(), Hub::Main::Archive);
        QCOMPARE(visibleTopLevels(), 1);

        hub.current()->close();
        QApplication::processEvents();
        QVERIFY(hub.currentAs<frmMenu>());
        QCOMPARE(unloads, 2);
    }

    void exitKeyEndsEverything() {
        Hub &hub = Hub::instance();
        auto *menu = qobject_cast<frmMenu *>(hub.start());
        QVERIFY(menu);
        QTest::mousePress(menu->imgEsci, Qt::LeftButton);
        QTest::mouseRelease(menu->imgEsci, Qt::LeftButton);
        QApplication::processEvents();
        QCOMPARE(visibleTopLevels(), 0);
        QVERIFY(!hub.current());
    }

    void highlightFollowsTheMouse() {
        int unloads = 0;
        for (auto kind : {Hub::Main::Archive, Hub::Main::Cards, Hub::Main::Envelopes})
            Hub::instance().registerMain(kind, [&] { return new FakeMain(&unloads); });
        frmMenu menu;
        menu.show();
        auto moveOver = [](QWidget *w) {
            QMouseEvent e(QEvent::MouseMove, QPointF(5, 5), w->mapToGlobal(QPointF(5, 5)),
                          Qt::NoButton, Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(w, &e);
        };
        QVERIFY(menu.shpArchivioDati->isHidden() && menu.shpBiglietti->isHidden() &&
                menu.shpBuste->isHidden());
        moveOver(menu.cmdArchivioDati);
        QVERIFY(!menu.shpArchivioDati->isHidden());
        QVERIFY(menu.shpBiglietti->isHidden());
        // Straight from one key to the next: only ever one rectangle.
        int bothShown = 0;
        auto watch = [&] {
            if (!menu.shpArchivioDati->isHidden() && !menu.shpBiglietti->isHidden()) ++bothShown;
        };
        QObject::connect(&menu, &QObject::objectNameChanged, watch);
        moveOver(menu.picBiglietti);
        watch();
        QCOMPARE(bothShown, 0);
        QVERIFY(menu.shpArchivioDati->isHidden());
        QVERIFY(!menu.shpBiglietti->isHidden());
        moveOver(menu.cmdBuste);
        QVERIFY(!menu.shpBuste->isHidden());
        QVERIFY(menu.shpBiglietti->isHidden());
        moveOver(menu.picBody);
        QVERIFY(menu.shpArchivioDati->isHidden() && menu.shpBiglietti->isHidden() &&
                menu.shpBuste->isHidden());
        moveOver(menu.picProtocollo);
        moveOver(menu.picControlli);
        QVERIFY(menu.shpBuste->isHidden());
    }

    void bannerPositions() {
        frmMenu menu;
        menu.tmrMarquee->stop();
        QCOMPARE(menu.flashLeft(), 10200);
        menu.tmrMarquee_Timer();
        QCOMPARE(menu.flashLeft(), 10180);
        QCOMPARE(menu.picFlash->x(), qRound(10180 / 15.0));
        int ticks = 1;
        while (menu.flashLeft() >= -19500) {
            menu.tmrMarquee_Timer();
            ++ticks;
        }
        QCOMPARE(menu.flashLeft(), -19520);  // first below -19500
        menu.tmrMarquee_Timer();
        QCOMPARE(menu.flashLeft(), 10180);  // re-entered at 10200, then moved
        QCOMPARE(ticks, (10200 + 19520) / 20);
        QCOMPARE(menu.tmrMarquee->interval(), 20);
    }

    void pictureKeysPressAndReturn_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QPoint>("place");
        QTest::newRow("imgGuida") << "imgGuida" << QPoint(90, 180);
        QTest::newRow("imgReg") << "imgReg" << QPoint(90, 2520);
        QTest::newRow("picRights") << "picRights" << QPoint(180, 4995);
    }
    void pictureKeysPressAndReturn() {
        QFETCH(QString, key);
        QFETCH(QPoint, place);
        Hub &hub = Hub::instance();
        QString ran;
        for (Hub::Action action : {Hub::Action::Help, Hub::Action::Info, Hub::Action::About})
            hub.registerAction(action, [&ran, action](QWidget *, const QString &arg) {
                ran = Hub::actionName(action) + u':' + arg;
            });
        frmMenu menu;
        menu.show();
        auto *label = menu.findChild<QWidget *>(key);
        QVERIFY(label && label->isEnabled());
        QCOMPARE(menu.keyPlace(label), place);
        QTest::mousePress(label, Qt::LeftButton);
        QCOMPARE(menu.keyPlace(label), place + QPoint(20, 20));
        QVERIFY(ran.isEmpty());
        // Released far away from the key: still back in place, then the action.
        QMouseEvent release(QEvent::MouseButtonRelease, QPointF(-300, 900),
                            label->mapToGlobal(QPointF(-300, 900)), Qt::LeftButton, Qt::NoButton,
                            Qt::NoModifier);
        QApplication::sendEvent(label, &release);
        QCOMPARE(menu.keyPlace(label), place);
        QCOMPARE(label->pos(), QPoint(qRound(place.x() / 15.0), qRound(place.y() / 15.0)));
        QCOMPARE(ran, key == "imgGuida" ? QStringLiteral("help:menu")
                      : key == "imgReg" ? QStringLiteral("info:")
                                        : QStringLiteral("about:"));
    }

    void tooltips() {
        frmMenu menu;
        QCOMPARE(menu.imgGuida->toolTip(), QStringLiteral(" Guida (F1) "));
        QCOMPARE(menu.imgReg->toolTip(), QStringLiteral(" Informazioni su... (Alt+I) "));
        QCOMPARE(menu.imgEsci->toolTip(), QStringLiteral(" Esci (Alt+X) "));
        QVERIFY(menu.imgVista->toolTip().contains("Windows 98"));
    }

    void panelStaysCentred() {
        QCOMPARE(MainWindowBase::centredOffset(QSize(1000, 800), QSize(760, 580)),
                 QPoint(120, 110));
        QCOMPARE(MainWindowBase::centredOffset(QSize(761, 581), QSize(760, 580)), QPoint(0, 0));
        QCOMPARE(MainWindowBase::centredOffset(QSize(600, 500), QSize(760, 580)), QPoint(-80, -40));
        frmMenu menu;
        menu.resize(1001, 801);
        menu.show();
        QApplication::processEvents();
        QCOMPARE(menu.picContainer()->pos(), QPoint(120, 110));
        menu.resize(700, 560);
        QApplication::processEvents();
        QCOMPARE(menu.picContainer()->pos(), QPoint(-30, -10));
    }

    void tilesCoverTheWindowWithOverhang() {
        const auto origins = MainWindowBase::tileOrigins(QSize(100, 50), QSize(48, 48));
        QCOMPARE(origins, (QList<QPoint>{{0, 0}, {48, 0}, {96, 0}, {0, 48}, {48, 48}, {96, 48}}));
        QVERIFY(MainWindowBase::tileOrigins(QSize(10, 10), QSize(0, 0)).isEmpty());
    }

    void italianButtonsInQtDialogs() {
        QVERIFY(Translations::installItalian(*QCoreApplication::instance()));
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&Yes"), QString::fromUtf8("&Sì"));
    }
};

QTEST_MAIN(TestMenu)
#include "tst_frmMenu.moc"
