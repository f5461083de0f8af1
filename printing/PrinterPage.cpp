#include "printing/PrinterPage.h"

#include "platform/PrintSystem.h"

PrinterPage &PrinterPage::printer() {
    static PrinterPage page;
    return page;
}

PrinterPage::PrinterPage() {
    m_currentPrinter = PrintSystem::instance().defaultQueue();
}

void PrinterPage::reset() {
    m_device.reset();
    m_queueFactory = nullptr;
    m_currentPrinter = PrintSystem::instance().defaultQueue();
    m_paper = Paper::a4();
    m_orientation = Portrait;
    m_scaleMode = Twips;
    m_scaleLeft = 0;
    m_currentX = m_currentY = 0;
    m_foreColor = Qt::black;
    m_fontTransparent = true;
    m_font = PageFont();
    m_drawWidth = 1;
    m_docOpen = false;
    m_docFailed = false;
    m_page = 1;
    m_error.clear();
}

bool PrinterPage::selectPrinter(const QString &queueName) {
    if (!PrintSystem::instance().hasQueue(queueName)) return false;
    finishJob();
    m_currentPrinter = queueName;
    m_device = makeQueueDevice(queueName);
    m_docOpen = false;
    m_docFailed = false;
    return true;
}

std::shared_ptr<PageDevice> PrinterPage::makeQueueDevice(const QString &queue) const {
    std::shared_ptr<PageDevice> d =
        m_queueFactory ? m_queueFactory(queue) : PrintSystem::instance().queueDevice(queue);
    if (d) d->setPaper(m_paper);
    return d;
}

void PrinterPage::setPaper(const Paper &paper) {
    m_paper = paper;
    if (m_device) m_device->setPaper(paper);
}

void PrinterPage::useCurrentPrinter() {
    finishJob();
    m_device.reset();
    m_docOpen = false;
}

void PrinterPage::setDevice(std::shared_ptr<PageDevice> device) {
    if (m_device && m_device != device) finishJob();
    m_device = std::move(device);
    if (m_device) m_device->setPaper(m_paper);
    m_docOpen = false;
    m_docFailed = false;
}

PageDevice *PrinterPage::device() {
    if (!m_device && !m_currentPrinter.isEmpty()) m_device = makeQueueDevice(m_currentPrinter);
    return m_device.get();
}

bool PrinterPage::finishJob() {
    if (!m_device) return true;
    if (m_docOpen) endDoc();
    const bool done = m_device->finish();
    if (!done) m_error = m_device->errorString();
    return done;
}

bool PrinterPage::ensureDocument() {
    if (m_docOpen) return true;
    // A document that could not start is not retried until its EndDoc.
    if (m_docFailed) return false;
    PageDevice *d = device();
    if (!d) {
        m_error = QStringLiteral("Nessuna stampante installata");
        m_docFailed = true;
        return false;
    }
    if (!d->beginDocument(m_orientation)) {
        m_error = d->errorString();
        m_docFailed = true;
        return false;
    }
    m_docOpen = true;
    m_page = 1;
    return true;
}

double PrinterPage::scaleWidth() {
    PageDevice *d = device();
    return d ? d->printableTwips(m_orientation).width() / unitTwips() : 0;
}

double PrinterPage::scaleHeight() {
    PageDevice *d = device();
    return d ? d->printableTwips(m_orientation).height() / unitTwips() : 0;
}

PageOp PrinterPage::baseOp(PageOp::Kind kind) const {
    PageOp op;
    op.kind = kind;
    op.scaleMode = m_scaleMode;
    op.scaleLeft = m_scaleLeft;
    op.font = m_font;
    op.color = m_foreColor;
    op.fontTransparent = m_fontTransparent;
    op.drawWidth = m_drawWidth;
    op.page = m_page;
    return op;
}

double PrinterPage::textWidth(const QString &text) {
    PageDevice *d = device();
    return d ? d->textSizeTwips(text, m_font).width() / unitTwips() : 0;
}

double PrinterPage::textWidth(const QString &text, const PageFont &font) {
    PageDevice *d = device();
    return d ? d->textSizeTwips(text, font).width() / unitTwips() : 0;
}

double PrinterPage::textHeight(const QString &text) {
    PageDevice *d = device();
    return d ? d->textSizeTwips(text.isEmpty() ? QStringLiteral("Ag") : text, m_font).height() /
                   unitTwips()
             : 0;
}

void PrinterPage::print(const QString &text, bool newLine) {
    if (!ensureDocument()) return;
    const double h = textHeight(text);
    if (m_currentY + h > scaleHeight() && m_currentY > 0) {
        // The line goes to the top of a new page, at the same x.
        const double x = m_currentX;
        newPage();
        if (!m_docOpen) return;
        m_currentX = x;
    }
    PageOp op = baseOp(PageOp::Text);
    op.text = text;
    op.x = m_currentX;
    op.y = m_currentY;
    const double w = textWidth(text);
    op.w = w;
    op.h = h;
    op.twips = QRectF(toTwipsX(m_currentX), toTwipsY(m_currentY), w * unitTwips(), h * unitTwips());
    m_device->draw(op);
    if (newLine) {
        m_currentX = 0;
        m_currentY += h;
    } else {
        m_currentX += w;
    }
}

QSizeF PrinterPage::imageTwips(const QImage &image) {
    const double dpmX = image.dotsPerMeterX() > 0 ? image.dotsPerMeterX() : 96 / 0.0254;
    const double dpmY = image.dotsPerMeterY() > 0 ? image.dotsPerMeterY() : 96 / 0.0254;
    return QSizeF(::Twips::fromInches(image.width() / (dpmX * 0.0254)).value(),
                  ::Twips::fromInches(image.height() / (dpmY * 0.0254)).value());
}

void PrinterPage::paintPicture(const QImage &image, double x, double y, double w, double h) {
    if (image.isNull()) return;
    if (!ensureDocument()) return;
    PageOp op = baseOp(PageOp::Picture);
    op.image = image;
    op.x = x;
    op.y = y;
    QSizeF size = imageTwips(image);
    if (w > 0 && h > 0) size = QSizeF(w * unitTwips(), h * unitTwips());
    op.w = size.width() / unitTwips();
    op.h = size.height() / unitTwips();
    op.twips = QRectF(QPointF(toTwipsX(x), toTwipsY(y)), size);
    m_device->draw(op);
}

void PrinterPage::line(double x1, double y1, double x2, double y2, const QColor &color) {
    if (!ensureDocument()) return;
    PageOp op = baseOp(PageOp::Line);
    op.x = x1;
    op.y = y1;
    op.x2 = x2;
    op.y2 = y2;
    op.color = color;
    op.twips = QRectF(QPointF(toTwipsX(x1), toTwipsY(y1)), QPointF(toTwipsX(x2), toTwipsY(y2)));
    m_device->draw(op);
    m_currentX = x2;
    m_currentY = y2;
}

void PrinterPage::newPage() {
    if (!ensureDocument()) return;
    m_device->newPage();
    ++m_page;
    m_currentX = 0;
    m_currentY = 0;
}

bool PrinterPage::endDoc() {
    m_currentX = 0;
    m_currentY = 0;
    m_docFailed = false;
    if (!m_docOpen) return ok();
    m_docOpen = false;
    if (!m_device->endDocument()) {
        m_error = m_device->errorString();
        return false;
    }
    return ok();
}
