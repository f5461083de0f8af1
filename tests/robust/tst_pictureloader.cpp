#include <sys/stat.h>

#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTest>

#include "platform/PictureLoader.h"
#include "support/TestEnvironment.h"

namespace {

using Failure = PictureLoader::Failure;

QByteArray encoded(const QImage &image, const char *format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

QImage sample(int w, int h) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(QColor(200, 30, 40));
    return image;
}

quint32 crc32(const QByteArray &data) {
    quint32 crc = 0xFFFFFFFFu;
    for (char c : data) {
        crc ^= quint8(c);
        for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

void putBigEndian(QByteArray &b, int at, quint32 v) {
    for (int i = 0; i < 4; ++i) b[at + i] = char(v >> (24 - 8 * i));
}

void putLittleEndian(QByteArray &b, int at, quint32 v) {
    for (int i = 0; i < 4; ++i) b[at + i] = char(v >> (8 * i));
}

// A small picture file whose header claims w × h pixels.
QByteArray claimingSize(const char *format, quint32 w, quint32 h) {
    QByteArray b = encoded(sample(2, 2), format);
    if (qstrcmp(format, "PNG") == 0) {
        // IHDR: length at 8, type at 12, width at 16, height at 20, CRC at 29.
        putBigEndian(b, 16, w);
        putBigEndian(b, 20, h);
        putBigEndian(b, 29, crc32(b.mid(12, 17)));
    } else {
        putLittleEndian(b, 18, w);  // BITMAPINFOHEADER width and height
        putLittleEndian(b, 22, h);
    }
    return b;
}

}  // namespace

class TestPictureLoader : public QObject {
    Q_OBJECT
private slots:
    void picturesLoad_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QSize>("size");
        QTest::newRow("bmp") << encoded(sample(40, 30), "BMP") << QSize(40, 30);
        QTest::newRow("png") << encoded(sample(41, 31), "PNG") << QSize(41, 31);
        QTest::newRow("jpeg") << encoded(sample(42, 32), "JPEG") << QSize(42, 32);
        QTest::newRow("svg") << QByteArray(
                                    "<svg xmlns='http://www.w3.org/2000/svg' width='50' "
                                    "height='20'><rect width='50' height='20' fill='red'/></svg>")
                             << QSize(50, 20);
    }
    void picturesLoad() {
        QFETCH(QByteArray, bytes);
        QFETCH(QSize, size);
        TestEnvironment env;
        const QString path = env.file("logo.bin");  // the content decides, not the name
        QVERIFY(TestEnvironment::writeBytes(path, bytes));
        Failure why = Failure::NotAPicture;
        const QImage image = PictureLoader::load(path, &why);
        QCOMPARE(why, Failure::None);
        QCOMPARE(image.size(), size);
    }

    // Paths that must be refused at once, without reading, and without a hang.
    void pathsThatAreNoPicture_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("failure");
        QTest::newRow("fifo") << "fifo" << int(Failure::NotAFile);
        QTest::newRow("device") << "device" << int(Failure::NotAFile);
        QTest::newRow("directory") << "directory" << int(Failure::NotAFile);
        QTest::newRow("missing") << "missing" << int(Failure::Missing);
        QTest::newRow("1 GB file") << "huge" << int(Failure::TooBig);
        QTest::newRow("garbage") << "garbage" << int(Failure::NotAPicture);
        QTest::newRow("empty") << "empty" << int(Failure::NotAPicture);
        QTest::newRow("truncated png") << "truncated" << int(Failure::NotAPicture);
    }
    void pathsThatAreNoPicture() {
        QFETCH(QString, kind);
        QFETCH(int, failure);
        TestEnvironment env;
        QString path = env.file("logo.bmp");
        if (kind == "fifo") QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0644), 0);
        if (kind == "device") path = QStringLiteral("/dev/zero");
        if (kind == "directory") QVERIFY(QDir().mkpath(path));
        if (kind == "huge") {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            QVERIFY(f.write(encoded(sample(4, 4), "BMP")) > 0);
            QVERIFY(f.resize(qint64(1) << 30));  // sparse: takes no room on disk
        }
        if (kind == "garbage") QVERIFY(TestEnvironment::writeBytes(path, QByteArray(5000, '\x9c')));
        if (kind == "empty") QVERIFY(TestEnvironment::writeBytes(path, QByteArray()));
        if (kind == "truncated")
            QVERIFY(TestEnvironment::writeBytes(path, encoded(sample(300, 300), "PNG").left(60)));
        QElapsedTimer clock;
        clock.start();
        Failure why = Failure::None;
        QVERIFY(PictureLoader::load(path, &why).isNull());
        QCOMPARE(int(why), failure);
        QVERIFY(clock.elapsed() < 2000);
    }

    // A picture claiming 20000 × 20000 pixels is refused from its header, before any
    // memory is taken for it; so is one of more pixels than a logo can have.
    void giantPicturesAreRefusedUndecoded_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("png 20000 x 20000") << claimingSize("PNG", 20000, 20000);
        QTest::newRow("bmp 20000 x 20000") << claimingSize("BMP", 20000, 20000);
        QTest::newRow("bmp 6000 x 6000") << claimingSize("BMP", 6000, 6000);
        QTest::newRow("png 40000 x 1") << claimingSize("PNG", 40000, 1);
        QTest::newRow("svg 20000 x 20000") << QByteArray(
            "<svg xmlns='http://www.w3.org/2000/svg' width='20000' height='20000'>"
            "<rect width='20000' height='20000' fill='blue'/></svg>");
    }
    void giantPicturesAreRefusedUndecoded() {
        QFETCH(QByteArray, bytes);
        QElapsedTimer clock;
        clock.start();
        Failure why = Failure::None;
        QVERIFY(PictureLoader::fromBytes(bytes, &why).isNull());
        // Refused from the size it claims, or (a bitmap whose header does not add up)
        // by the decoder, before the pixels are allocated.
        QVERIFY(why == Failure::TooManyPixels || why == Failure::NotAPicture);
        QVERIFY(clock.elapsed() < 2000);
    }
};

QTEST_GUILESS_MAIN(TestPictureLoader)
#include "tst_pictureloader.moc"
