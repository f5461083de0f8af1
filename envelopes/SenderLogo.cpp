#include "envelopes/SenderLogo.h"

#include <QFile>
#include <QPainter>
#include <QSaveFile>

#include "envelopes/EnvelopeArt.h"
#include "platform/PictureLoader.h"
#include "platform/ProgramFolder.h"

QImage SenderLogo::designPicture() {
    return EnvelopeArt::render(EnvelopeArt::Globe, QSize(kWidth, kHeight), Qt::white);
}

namespace {

// The picture as a bitmap keeps it: opaque, transparent parts white.
QImage opaque(const QImage &image) {
    QImage out(image.size(), QImage::Format_RGB32);
    out.fill(Qt::white);
    out.setDotsPerMeterX(image.dotsPerMeterX());
    out.setDotsPerMeterY(image.dotsPerMeterY());
    QPainter painter(&out);
    painter.drawImage(0, 0, image);
    return out;
}

}  // namespace

bool SenderLogo::isDesignPicture(const QImage &image) {
    if (image.isNull() || image.size() != QSize(kWidth, kHeight)) return false;
    static const QImage design = opaque(designPicture());
    const QImage shown = opaque(image);
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x)
            if (shown.pixel(x, y) != design.pixel(x, y)) return false;
    return true;
}

QImage SenderLogo::blankPicture() {
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

QImage SenderLogo::load(const QString &path) {
    if (path.isEmpty()) return QImage();
    return PictureLoader::load(path);
}

bool SenderLogo::save(const QImage &image, const QString &path) {
    if (image.isNull()) return false;
    // A bitmap has no transparency: what is transparent in the picture becomes white.
    const QImage bitmap = opaque(image);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    if (!bitmap.save(&file, "BMP")) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

QString SenderLogo::programFilePath() {
    return ProgramFolder::filePath(QString::fromLatin1(kFileName));
}
