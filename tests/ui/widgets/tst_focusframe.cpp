#include <QApplication>
#include <QTest>
#include <memory>

#include "app/frmMenu.h"
#include "archive/frmArchivio.h"
#include "support/TestEnvironment.h"
#include "ui/FocusFrame.h"
#include "ui/Hub.h"

namespace {

// The colour painted on the control's top edge, halfway along, as the window shows it.
QColor topEdge(QWidget *control) {
    const QImage shot = control->window()->grab().toImage();
    const QPoint at = control->mapTo(control->window(), QPoint(control->width() / 2, 0));
    return shot.pixelColor(at * shot.devicePixelRatio());
}

}  // namespace

class TestFocusFrame : public QObject {
    Q_OBJECT
private slots:
    void init() { Hub::instance().reset(); }
    void cleanup() { Hub::instance().reset(); }

    // The frame shows on light boxes, on the dark button bar and on the menu keys, and
    // leaves a control that lost the focus.
    void frameFollowsTheFocus_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("control");
        QTest::newRow("entry box") << "archivio"
                                   << "txtCitta";
        QTest::newRow("dark bar button") << "archivio"
                                         << "cmdSalva";
        QTest::newRow("browse button") << "archivio"
                                       << "cmdAvanti";
        QTest::newRow("menu key") << "menu"
                                  << "cmdArchivioDati";
    }
    void frameFollowsTheFocus() {
        QFETCH(QString, window);
        QFETCH(QString, control);
        TestEnvironment env;
        std::unique_ptr<QWidget> w;
        if (window == QLatin1String("menu"))
            w = std::make_unique<frmMenu>();
        else
            w = std::make_unique<frmArchivio>();
        w->show();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        auto *target = w->findChild<QWidget *>(control);
        QVERIFY(target);
        for (QWidget *c : w->findChildren<QWidget *>()) c->setEnabled(true);
        target->setFocus(Qt::TabFocusReason);
        QVERIFY(target->hasFocus());
        QVERIFY(FocusFrame::current());
        QCOMPARE(topEdge(target), FocusFrame::colour());

        QTest::keyClick(target, Qt::Key_Tab);
        QVERIFY(!target->hasFocus());
        QVERIFY(topEdge(target) != FocusFrame::colour());
    }
};

QTEST_MAIN(TestFocusFrame)
#include "tst_focusframe.moc"
