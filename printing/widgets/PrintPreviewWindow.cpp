#include "printing/widgets/PrintPreviewWindow.h"

#include <QHBoxLayout>
#include <QPainter>
#include <QVBoxLayout>

#include "printing/PageOpPainter.h"
#include "printing/Twips.h"
#include "ui/WindowKeys.h"

PrintPreviewWindow::PrintPreviewWindow(const QList<PrintPreview::Page> &pages, QWidget *parent)
    : QDialog(parent), m_pages(pages) {
    setObjectName(QStringLiteral("frmAnteprima"));
    setWindowTitle(QStringLiteral(" Anteprima di stampa"));
    resize(860, 760);

    m_previous = new QPushButton(QStringLiteral("< Pagina p&recedente"), this);
    m_previous->setObjectName(QStringLiteral("cmdPrecedente"));
    m_next = new QPushButton(QStringLiteral("Pagina &successiva >"), this);
    m_next->setObjectName(QStringLiteral("cmdSuccessiva"));
    m_position = new QLabel(this);
    m_position->setObjectName(QStringLiteral("lblPagina"));
    m_zoom = new QComboBox(this);
    m_zoom->setObjectName(QStringLiteral("cboZoom"));
    for (int z : {50, 75, 100, 150, 200}) m_zoom->addItem(QStringLiteral("%1 %").arg(z), z);
    m_zoom->setCurrentIndex(1);
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
    connect(m_zoom, &QComboBox::currentIndexChanged, this, [this] { showPage(m_current); });
    connect(print, &QPushButton::clicked, this, &QDialog::accept);
    connect(back, &QPushButton::clicked, this, &QDialog::reject);
    back->setDefault(true);
    back->setToolTip(WindowKeys::tipWithKey(QStringLiteral("Indietro"), QStringLiteral("Esc")));
    m_scroll->setAccessibleName(QStringLiteral("Pagina in anteprima"));
    showPage(0);
}

double PrintPreviewWindow::zoom() const {
    return m_zoom->currentData().toInt() / 100.0;
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
