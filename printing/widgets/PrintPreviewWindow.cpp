#include "printing/widgets/PrintPreviewWindow.h"

#include <QHBoxLayout>
#include <QPainter>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QVBoxLayout>

#include "printing/PageOpPainter.h"
#include "printing/PreviewZoom.h"
#include "printing/Twips.h"
#include "ui/WindowKeys.h"

namespace {

// The zoom chosen last: the next preview opens with it.
int &lastZoomData() {
    static int data = int(PreviewZoom::Fit::Page);
    return data;
}

}  // namespace

PrintPreviewWindow::PrintPreviewWindow(const QList<PrintPreview::Page> &pages, QWidget *parent)
    : QDialog(parent), m_pages(pages) {
    setObjectName(QStringLiteral("frmAnteprima"));
    setWindowTitle(QStringLiteral(" Anteprima di stampa"));
    // As large as it was drawn, but never larger than the screen's free area (a 1366 × 768
    // screen with its panel keeps the buttons in sight).
    QSize size(860, 760);
    if (const QScreen *screen = parent ? parent->screen() : this->screen()) {
        const QSize free = screen->availableGeometry().size() - QSize(40, 80);
        size = size.boundedTo(free).expandedTo(QSize(480, 360));
    }
    resize(size);

    m_previous = new QPushButton(QStringLiteral("< Pagina p&recedente"), this);
    m_previous->setObjectName(QStringLiteral("cmdPrecedente"));
    m_next = new QPushButton(QStringLiteral("Pagina &successiva >"), this);
    m_next->setObjectName(QStringLiteral("cmdSuccessiva"));
    m_position = new QLabel(this);
    m_position->setObjectName(QStringLiteral("lblPagina"));
    m_zoom = new QComboBox(this);
    m_zoom->setObjectName(QStringLiteral("cboZoom"));
    m_zoom->addItem(QStringLiteral("Adatta pagina"), int(PreviewZoom::Fit::Page));
    m_zoom->addItem(QStringLiteral("Adatta larghezza"), int(PreviewZoom::Fit::Width));
    for (int z : {50, 75, 100, 150, 200}) m_zoom->addItem(QStringLiteral("%1 %").arg(z), z);
    m_zoom->setCurrentIndex(std::max(0, m_zoom->findData(lastZoomData())));
    auto *print = new QPushButton(QStringLiteral("S&tampa"), this);
    print->setObjectName(QStringLiteral("cmdStampa"));
    auto *back = new QPushButton(QStringLiteral("&Indietro"), this);
    back->setObjectName(QStringLiteral("cmdIndietro"));

    auto *bar = new QHBoxLayout;
    bar->addWidget(m_previous);
    bar->addWidget(m_position);
    bar->addWidget(m_next);
    bar->addStretch();
    auto *zoomLabel = new QLabel(QStringLiteral("&Zoom:"), this);
    zoomLabel->setBuddy(m_zoom);
    bar->addWidget(zoomLabel);
    bar->addWidget(m_zoom);
    bar->addStretch();
    bar->addWidget(print);
    bar->addWidget(back);

    m_sheet = new QLabel;
    m_sheet->setObjectName(QStringLiteral("picPagina"));
    m_scroll = new QScrollArea(this);
    m_scroll->setWidget(m_sheet);
    m_scroll->setAlignment(Qt::AlignCenter);
    m_scroll->setBackgroundRole(QPalette::Dark);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(m_scroll);

    connect(m_previous, &QPushButton::clicked, this, [this] { showPage(m_current - 1); });
    connect(m_next, &QPushButton::clicked, this, [this] { showPage(m_current + 1); });
    connect(m_zoom, &QComboBox::currentIndexChanged, this, [this] {
        lastZoomData() = m_zoom->currentData().toInt();
        showPage(m_current);
    });
    connect(print, &QPushButton::clicked, this, &QDialog::accept);
    connect(back, &QPushButton::clicked, this, &QDialog::reject);
    back->setDefault(true);
    back->setToolTip(WindowKeys::tipWithKey(QStringLiteral("Indietro"), QStringLiteral("Esc")));
    m_scroll->setAccessibleName(QStringLiteral("Pagina in anteprima"));
    showPage(0);
}

double PrintPreviewWindow::zoom() const {
    const int data = m_zoom->currentData().toInt();
    if (data > 0) return data / 100.0;
    if (m_pages.isEmpty()) return 1.0;
    // The space the sheet has: the viewport, less a small border and, when fitting the
    // width, the scroll bar that a long page brings.
    const auto mode = PreviewZoom::Fit(data);
    QSize space = m_scroll->viewport()->size() - QSize(8, 8);
    if (mode == PreviewZoom::Fit::Width)
        space.rwidth() -= style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    return PreviewZoom::fit(m_pages[std::clamp(m_current, 0, int(m_pages.size()) - 1)].twips, space,
                            mode);
}

void PrintPreviewWindow::resizeEvent(QResizeEvent *event) {
    QDialog::resizeEvent(event);
    if (m_zoom->currentData().toInt() < 0) showPage(m_current);
}

QImage PrintPreviewWindow::pageImage(int index) const {
    if (index < 0 || index >= m_pages.size()) return QImage();
    const PrintPreview::Page &page = m_pages[index];
    const double k = zoom() * Twips::dotsPerTwip(96);
    QImage image((page.twips * k).toSize().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    const int dpm = qRound(zoom() * 96.0 / 0.0254);
    image.setDotsPerMeterX(dpm);
    image.setDotsPerMeterY(dpm);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    for (const PageOp &op : page.operations) PageOpPainter::draw(p, op, k, &image);
    return image;
}

void PrintPreviewWindow::showPage(int index) {
    if (m_pages.isEmpty()) {
        m_position->setText(QStringLiteral("Nessuna pagina"));
        m_previous->setEnabled(false);
        m_next->setEnabled(false);
        return;
    }
    m_current = std::clamp(index, 0, int(m_pages.size()) - 1);
    m_sheet->setPixmap(QPixmap::fromImage(pageImage(m_current)));
    m_sheet->adjustSize();
    m_position->setText(QStringLiteral("Pagina %1 di %2").arg(m_current + 1).arg(m_pages.size()));
    m_previous->setEnabled(m_current > 0);
    m_next->setEnabled(m_current + 1 < m_pages.size());
}
