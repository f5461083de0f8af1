#include "printing/RecordingPageDevice.h"

#include <QFontMetricsF>

#include "printing/Twips.h"

RecordingPageDevice::RecordingPageDevice(QSizeF portraitTwips)
    : m_portrait(portraitTwips), m_measure(8, 8, QImage::Format_RGB32) {
    const int dpm = qRound(Twips::kPerInch / 0.0254);
    m_measure.setDotsPerMeterX(dpm);
    m_measure.setDotsPerMeterY(dpm);
}

void RecordingPageDevice::setFailing(bool failing, const QString &why) {
    m_failing = failing;
    m_error = failing ? why : QString();
}

bool RecordingPageDevice::beginDocument(int orientation) {
    if (m_failing) return false;
    m_current = Document();
    m_current.orientation = orientation;
    m_current.paper = m_paper;
    m_current.pages.append(QList<PageOp>());
    m_open = true;
    return true;
}

void RecordingPageDevice::draw(const PageOp &op) {
    if (m_open) m_current.pages.last().append(op);
}

void RecordingPageDevice::newPage() {
    if (m_open) m_current.pages.append(QList<PageOp>());
}

bool RecordingPageDevice::endDocument() {
    if (!m_open) return true;
    documents.append(m_current);
    m_current = Document();
    m_open = false;
    return true;
}

QSizeF RecordingPageDevice::printableTwips(int orientation) const {
    const QSizeF portrait = m_printableOf ? m_printableOf(m_paper) : m_portrait;
    return orientation == 2 ? portrait.transposed() : portrait;
}

QSizeF RecordingPageDevice::textSizeTwips(const QString &text, const PageFont &font) const {
    const QFont f(font.toQFont(), &m_measure);
    const QFontMetricsF fm(f, &m_measure);
    return QSizeF(fm.horizontalAdvance(text), fm.height());
}

QList<PageOp> RecordingPageDevice::operations() const {
    QList<PageOp> all;
    for (const Document &d : documents)
        for (const auto &page : d.pages) all += page;
    if (m_open)
        for (const auto &page : m_current.pages) all += page;
    return all;
}

namespace {

QList<PageOp> ofKind(const QList<PageOp> &ops, PageOp::Kind kind) {
    QList<PageOp> out;
    for (const PageOp &op : ops)
        if (op.kind == kind) out.append(op);
    return out;
}

}  // namespace

QList<PageOp> RecordingPageDevice::texts() const {
    return ofKind(operations(), PageOp::Text);
}
QList<PageOp> RecordingPageDevice::lines() const {
    return ofKind(operations(), PageOp::Line);
}
QList<PageOp> RecordingPageDevice::pictures() const {
    return ofKind(operations(), PageOp::Picture);
}

int RecordingPageDevice::pageCount() const {
    int n = 0;
    for (const Document &d : documents) n += d.pages.size();
    return n;
}

void RecordingPageDevice::clear() {
    documents.clear();
    m_current = Document();
    m_open = false;
}
