#include "cards/CardPicture.h"

#include <QPainter>
#include <algorithm>

#include "cards/CardLayout.h"
#include "platform/Artwork.h"
#include "platform/PictureLoader.h"
#include "printing/LogoFit.h"
#include "printing/PrinterPage.h"
#include "printing/Twips.h"

// The core library's pictures live in a static library: make sure they are registered.
static void initCoreResources() {
    static const bool done = [] {
        Q_INIT_RESOURCE(core);
        return true;
    }();
    (void)done;
}

namespace CardPicture {

namespace {

constexpr double kSampleDpi = 384;

int dotsPerMeter(double dpi) {
    return int(std::lround(dpi / 0.0254));
}

double dpiOf(const QImage &image) {
    return image.dotsPerMeterX() > 0 ? image.dotsPerMeterX() * 0.0254 : 96.0;
}

}  // namespace

QImage blank() {
    QImage image(1, 1, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

bool isBlank(const QImage &picture) {
    return picture.width() == 1 && picture.height() == 1 &&
           QColor(picture.pixel(0, 0)) == QColor(Qt::white);
}

std::optional<QImage> load(const QString &path) {
    if (path.isEmpty()) return std::nullopt;
    QImage image = PictureLoader::load(path);
    if (image.isNull()) return std::nullopt;
    return image;
}

QImage sample(CardFormat format) {
    const char *resource = ":/core/campione_piccolo.svg";
    if (format == CardFormat::Medium) resource = ":/core/campione_medio.svg";
    if (format == CardFormat::Large) resource = ":/core/campione_grande.svg";
    const auto &logo = CardLayout::of(format).logo();
    if (!logo) return QImage();
    initCoreResources();
    const QSize px(int(std::lround(Twips(logo->width()).dots(kSampleDpi))),
                   int(std::lround(Twips(logo->height()).dots(kSampleDpi))));
    QImage image = Artwork::render(QString::fromLatin1(resource), px);
    if (image.isNull()) return image;
    image.setDotsPerMeterX(dotsPerMeter(kSampleDpi));
    image.setDotsPerMeterY(dotsPerMeter(kSampleDpi));
    return image;
}

QImage shownInBox(const QImage &picture, QSizeF boxTwips) {
    // Every card of a sheet shows the same picture in the same box: keep the last one, so
    // that the sheet shares one image (a PDF then holds it once).
    static qint64 lastKey = -1;
    static QSizeF lastBox;
    static QImage lastShown;
    if (!picture.isNull() && picture.cacheKey() == lastKey && boxTwips == lastBox) return lastShown;
    const double dpi = std::clamp(picture.isNull() ? 96.0 : dpiOf(picture), 96.0, 600.0);
    const QSize px(std::max(1, int(std::lround(Twips(boxTwips.width()).dots(dpi)))),
                   std::max(1, int(std::lround(Twips(boxTwips.height()).dots(dpi)))));
    QImage shown(px, QImage::Format_RGB32);
    shown.fill(Qt::white);
    shown.setDotsPerMeterX(dotsPerMeter(dpi));
    shown.setDotsPerMeterY(dotsPerMeter(dpi));
    if (!picture.isNull()) {
        const QSizeF fitted = LogoFit::sizeInBox(picture, boxTwips);
        QPainter p(&shown);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawImage(QRectF(QPointF(0, 0), fitted * Twips::dotsPerTwip(dpi)), picture);
        p.end();
        lastKey = picture.cacheKey();
        lastBox = boxTwips;
        lastShown = shown;
    }
    return shown;
}

}  // namespace CardPicture
