#include "platform/Artwork.h"

#include <QPainter>
#include <QSvgRenderer>

QImage Artwork::render(const QString &resource, QSize size) {
    QSvgRenderer renderer(resource);
    if (!renderer.isValid()) return QImage();
    if (!size.isValid()) size = renderer.defaultSize();
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    renderer.render(&p);
    return image;
}
