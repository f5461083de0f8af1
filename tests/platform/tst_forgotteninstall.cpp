// A program that forgot to install its platform or its printing stops at the first use,
// with a message naming what is missing, instead of going on without dialogs or printers.
#include <QCoreApplication>
#include <QProcess>
#include <QtTest>

#include "platform/Platform.h"
#include "platform/PrintSystem.h"
#include "printing/PrinterPage.h"

namespace {

// The child's part: forget one of the two, then use it as the logic does.
int forgetAndUse(const QByteArray &what) {
    if (what == "platform") {
        Platform::install(nullptr);
        Platform::instance().beep();
    } else {
        PrintSystem::install(nullptr);
        PrinterPage::printer().currentPrinter();
    }
    return 0;
}

}  // namespace

class TestForgottenInstall : public QObject {
    Q_OBJECT
private slots:
    void stopsWithAMessage_data() {
        QTest::addColumn<QByteArray>("forgotten");
        QTest::addColumn<QString>("message");
        QTest::newRow("platform") << QByteArray("platform") << "no platform installed";
        QTest::newRow("printing") << QByteArray("printing") << "no print system installed";
    }
    void stopsWithAMessage() {
        QFETCH(QByteArray, forgotten);
        QFETCH(QString, message);
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("CARTAFLEX_FORGET"), QString::fromLatin1(forgotten));
        child.setProcessEnvironment(env);
        child.start(QCoreApplication::applicationFilePath(), {});
        QVERIFY(child.waitForFinished(30000));
        QCOMPARE(child.exitStatus(), QProcess::CrashExit);
        QVERIFY2(QString::fromLocal8Bit(child.readAllStandardError()).contains(message),
                 qPrintable(message));
    }
};

int main(int argc, char *argv[]) {
    const QByteArray forgotten = qgetenv("CARTAFLEX_FORGET");
    QCoreApplication app(argc, argv);
    if (!forgotten.isEmpty()) return forgetAndUse(forgotten);
    TestForgottenInstall test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_forgotteninstall.moc"
