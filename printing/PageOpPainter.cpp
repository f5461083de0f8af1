#include "printing/PageOpPainter.h"

#include <QFontMetricsF>

#include "printing/Twips.h"

namespace PageOpPainter {

void draw(QPainter &p, const PageOp &op, double k, QPaintDevice *fontDevice) {
    switch (op.kind) {
        case PageOp::Text: {
            const QFont font(op.font.toQFont(), fontDevice);
            p.setFont(font);
            const QFontMetricsF fm(font, fontDevice);
            const QPointF topLeft(op.twips.left() * k, op.twips.top() * k);
            if (!op.fontTransparent)
                p.fillRect(QRectF(topLeft, QSizeF(fm.horizontalAdvance(op.text), fm.height())),
                           Qt::white);
            p.setPen(op.color);
            p.drawText(QPointF(topLeft.x(), topLeft.y() + fm.ascent()), op.text);
            break;
        }
        case PageOp::Picture: {
            const QRectF target(op.twips.left() * k, op.twips.top() * k, op.twips.width() * k,
                                op.twips.height() * k);
            p.drawImage(target, op.image);
            break;
        }
        case PageOp::Line: {
            QPen pen(op.color);
            pen.setWidthF(Twips::fromDots(op.drawWidth, 600).value() * k);
            pen.setCapStyle(Qt::FlatCap);
            p.setPen(pen);
            p.drawLine(QPointF(op.twips.left() * k, op.twips.top() * k),
                       QPointF(op.twips.right() * k, op.twips.bottom() * k));
            break;
        }
        default:
            break;
    }
}

}  // namespace PageOpPainter
