#include "printing/CalibratedPageDevice.h"

void CalibratedPageDevice::draw(const PageOp &op) {
    PageOp moved = op;
    if (op.kind == PageOp::Line) {
        moved.twips = QRectF(m_calibration.apply(op.twips.topLeft()),
                             m_calibration.apply(op.twips.bottomRight()));
    } else if (op.kind == PageOp::Text) {
        // A text moves with the page; its size is the font's.
        moved.twips.moveTopLeft(m_calibration.apply(op.twips.topLeft()));
    } else {
        moved.twips = m_calibration.apply(op.twips);
    }
    m_queue->draw(moved);
}
