#include "printing/QPrinterPageDevice.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinterInfo>
#include <algorithm>

#include "printing/PageOpPainter.h"
#include "printing/Twips.h"

QPrinterPageDevice QPrinterPageDevice::forQueue(const QString &queueName) {
    QPrinterPageDevice d;
    d.m_name = queueName;
    d.m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    d.m_printer->setPrinterName(queueName);
    d.setPaper(Paper::a4());
    return d;
}

QPrinterPageDevice QPrinterPageDevice::forPdf(const QString &filePath) {
    QPrinterPageDevice d;
    d.m_name = filePath;
    d.m_pdf = true;
    d.m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    d.m_printer->setOutputFormat(QPrinter::PdfFormat);
    d.m_printer->setOutputFileName(filePath);
    d.m_printer->setResolution(int(Twips::kPerInch));
    d.m_printer->setFullPage(true);
    d.setPaper(Paper::a4());
    d.m_printer->setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Point);
    return d;
}

QPrinterPageDevice::~QPrinterPageDevice() {
    if (m_printer) finish();
}

void QPrinterPageDevice::setPaper(const Paper &paper) {
    QPageSize size(QPageSize::A4);
    if (paper.printersOwn) {
        // The queue's own default paper; a PDF file has none and takes A4.
        if (!m_pdf) {
            const QPageSize own = QPrinterInfo::printerInfo(m_name).defaultPageSize();
            if (own.isValid()) size = own;
        }
    } else if (!paper.millimetres.isEmpty()) {
        // A standard size keeps its name (the queue then knows it), others are custom.
        size =
            QPageSize(paper.millimetres, QPageSize::Millimeter, QString(), QPageSize::FuzzyMatch);
    }
    if (m_paperSize.isValid() && m_paperSize.isEquivalentTo(size)) return;
    m_paperSize = size;
    m_printer->setPageSize(size);
    if (m_pdf) m_printer->setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Point);
}

void QPrinterPageDevice::configure(int orientation) const {
    m_printer->setPageOrientation(orientation == 2 ? QPageLayout::Landscape
                                                   : QPageLayout::Portrait);
}

bool QPrinterPageDevice::beginDocument(int orientation) {
    m_error.clear();
    if (m_pdf && m_painter && m_painter->isActive()) {
        // A further document of the same PDF: it starts on a new page.
        configure(orientation);
        if (!m_printer->newPage()) {
            m_error = QStringLiteral("Impossibile aggiungere una pagina al file PDF");
            return false;
        }
        m_pageHasInk = false;
        return true;
    }
    if (!m_pdf && !QPrinterInfo::availablePrinterNames().contains(m_name)) {
        m_error = QStringLiteral("La stampante \"%1\" non è disponibile").arg(m_name);
        return false;
    }
    configure(orientation);
    // Each document of a queue is a job of its own, with a name of its own.
    m_printer->setDocName(QStringLiteral("Cartaflex %1").arg(m_documents + 1));
    m_painter = std::make_unique<QPainter>();
    if (!m_painter->begin(m_printer.get())) {
        m_painter.reset();
        m_error = m_pdf ? QStringLiteral("Impossibile scrivere il file %1").arg(m_name)
                        : QStringLiteral("Impossibile stampare su \"%1\"").arg(m_name);
        return false;
    }
    m_painter->setRenderHint(QPainter::Antialiasing, true);
    m_painter->setRenderHint(QPainter::SmoothPixmapTransform, true);
    // Pictures reach the page as they are: no lossy compression of logos.
    m_painter->setRenderHint(QPainter::LosslessImageRendering, true);
    m_pageHasInk = false;
    return true;
}

void QPrinterPageDevice::draw(const PageOp &op) {
    if (!m_painter || !m_painter->isActive()) return;
    m_pageHasInk = true;
    PageOpPainter::draw(*m_painter, op, Twips::dotsPerTwip(m_printer->resolution()),
                        m_printer.get());
}

void QPrinterPageDevice::newPage() {
    if (!m_painter || !m_painter->isActive()) return;
    m_printer->newPage();
    m_pageHasInk = false;
}

bool QPrinterPageDevice::endDocument() {
    if (!m_painter) return true;
    ++m_documents;
    if (m_pdf) return true;  // the PDF file is closed at the end of the job
    const bool ok = m_painter->end();
    m_painter.reset();
    if (!ok || m_printer->printerState() == QPrinter::Error) {
        m_error = QStringLiteral("Impossibile stampare su \"%1\"").arg(m_name);
        return false;
    }
    return true;
}

bool QPrinterPageDevice::finish() {
    if (!m_painter) return true;
    const bool ok = m_painter->end();
    m_painter.reset();
    if (!ok) m_error = QStringLiteral("Impossibile completare la stampa su %1").arg(m_name);
    return ok;
}

QSizeF QPrinterPageDevice::printableTwips(int orientation) const {
    configure(orientation);
    const QRectF r = m_printer->pageRect(QPrinter::DevicePixel);
    const double res = m_printer->resolution();
    return QSizeF(Twips::fromDots(r.width(), res).value(),
                  Twips::fromDots(r.height(), res).value());
}

QSizeF QPrinterPageDevice::textSizeTwips(const QString &text, const PageFont &font) const {
    const int res = m_printer->resolution();
    auto it = std::find_if(m_measured.begin(), m_measured.end(), [&](const Measured &m) {
        return m.resolution == res && m.font == font;
    });
    if (it == m_measured.end()) {
        if (m_measured.size() >= kFontsKept) m_measured.erase(m_measured.begin());
        m_measured.push_back(Measured{
            font, res, QFontMetricsF(QFont(font.toQFont(), m_printer.get()), m_printer.get())});
        it = m_measured.end() - 1;
    }
    return QSizeF(Twips::fromDots(it->metrics.horizontalAdvance(text), res).value(),
                  Twips::fromDots(it->metrics.height(), res).value());
}
