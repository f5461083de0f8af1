#include <sys/stat.h>

#include <QElapsedTimer>
#include <QFile>
#include <QTest>

#include "archive/frmArchivio.h"
#include "cards/CardPicture.h"
#include "envelopes/SenderLogo.h"
#include "support/TestEnvironment.h"

// Logo paths that name no picture file: each loader refuses at once, without reading.
class TestLogoSafety : public QObject {
    Q_OBJECT
private slots:
    void pipesAndHugeFilesGiveTheBlankPicture() {
        TestEnvironment env;
        const QString fifo = env.file("logo.png");
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        const QString huge = env.file("grande.bmp");
        {
            QFile f(huge);
            QVERIFY(f.open(QIODevice::WriteOnly));
            QVERIFY(f.resize(qint64(1) << 30));  // sparse 1 GB
        }
        frmArchivio window;
        for (const QString &path : {fifo, huge, env.folder()}) {
            QElapsedTimer t;
            t.start();
            QVERIFY(!window.loadLogo(window.picLogo01, path));
            QVERIFY(!CardPicture::load(path).has_value());
            QVERIFY(SenderLogo::load(path).isNull());
            QVERIFY2(t.elapsed() < 5000, qPrintable(path));
        }
    }
};

QTEST_MAIN(TestLogoSafety)
#include "tst_frmLogoSafety.moc"
