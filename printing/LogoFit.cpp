#include "printing/LogoFit.h"

#include <QPainter>
#include <algorithm>

#include "printing/PrinterPage.h"

namespace LogoFit {

QSizeF sizeInBox(const QImage &picture, QSizeF boxTwips) {
    if (picture.isNull()) return QSizeF();
    const QSizeF own = PrinterPage::imageTwips(picture);
    if (own.width() <= boxTwips.width() && own.height() <= boxTwips.height()) return own;
    return own.scaled(boxTwips, Qt::KeepAspectRatio);
}

QImage shownOnScreen(const QImage &picture, QSize boxPx) {
    QImage shown(boxPx.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    shown.fill(Qt::white);
    if (picture.isNull()) return shown;
    const QSizeF boxTwips(boxPx.width() * 15.0, boxPx.height() * 15.0);
    const QSizeF fitted = sizeInBox(picture, boxTwips) / 15.0;
    QPainter p(&shown);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(QRectF(QPointF(0, 0), fitted), picture);
    return shown;
}

}  // namespace LogoFit
