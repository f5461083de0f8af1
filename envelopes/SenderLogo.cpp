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
    QImage opaque(image.size(), QImage::Format_RGB32);
    opaque.fill(Qt::white);
    opaque.setDotsPerMeterX(image.dotsPerMeterX());
    opaque.setDotsPerMeterY(image.dotsPerMeterY());
    {
        QPainter painter(&opaque);
        painter.drawImage(0, 0, image);
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    if (!opaque.save(&file, "BMP")) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

QString SenderLogo::programFilePath() {
    return ProgramFolder::filePath(QString::fromLatin1(kFileName));
}
