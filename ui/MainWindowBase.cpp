#include "ui/MainWindowBase.h"

#include <QCloseEvent>
#include <QPainter>

#include "platform/Artwork.h"
#include "ui/FocusFrame.h"
#include "ui/Hub.h"

MainWindowBase::MainWindowBase(const QImage &tile, QSize panelSize, QWidget *parent)
    : QWidget(parent), m_tile(tile), m_panel(new QWidget(this)) {
    m_panel->setObjectName(QStringLiteral("picContainer"));
    m_panel->setFixedSize(panelSize);
    m_panel->setAutoFillBackground(false);
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(panelSize + QSize(40, 40));
    FocusFrame::install();
}

MainWindowBase::MainWindowBase(const QString &name, const QString &caption, QSize panelSize,
                               QWidget *parent)
    : MainWindowBase(Artwork::render(QStringLiteral(":/art/tile.svg")), panelSize, parent) {
    setObjectName(name);
    setWindowTitle(caption);
    m_body = addPanelBody();
}

QLabel *MainWindowBase::addPanelBody() {
    auto *body = new QLabel(m_panel);
    body->setObjectName(QStringLiteral("picBody"));
    body->setGeometry(QRect(QPoint(0, 0), m_panel->size()));
    body->setStyleSheet(QStringLiteral(
        "QLabel#picBody { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #fbfcfe, "
        "stop:1 #e6edf5); border: 1px solid #8a97a6; border-radius: 8px; }"));
    return body;
}

QPoint MainWindowBase::centredOffset(QSize client, QSize panel) {
    return QPoint((client.width() - panel.width()) / 2, (client.height() - panel.height()) / 2);
}

QList<QPoint> MainWindowBase::tileOrigins(QSize client, QSize tile) {
    QList<QPoint> out;
    if (tile.width() <= 0 || tile.height() <= 0) return out;
    for (int y = 0; y <= client.height(); y += tile.height())
        for (int x = 0; x <= client.width(); x += tile.width()) out.append(QPoint(x, y));
    return out;
}

void MainWindowBase::paintEvent(QPaintEvent *) {
    QPainter p(this);
    if (m_tile.isNull()) {
        p.fillRect(rect(), palette().window());
        return;
    }
    for (const QPoint &origin : tileOrigins(size(), m_tile.size())) p.drawImage(origin, m_tile);
}

void MainWindowBase::resizeEvent(QResizeEvent *event) {
    QWidget::resizeEvent(event);
    m_panel->move(centredOffset(size(), m_panel->size()));
}

void MainWindowBase::closeEvent(QCloseEvent *event) {
    if (!m_unloaded && !Hub::instance().exiting() && !mayClose()) {
        event->ignore();
        return;
    }
    if (!m_unloaded) {
        m_unloaded = true;
        formUnload();
        Hub::instance().mainWindowClosed(this);
    }
    event->accept();
}
