#include "ui/FocusTint.h"

#include <QEvent>
#include <QWidget>

namespace {

void setBase(QWidget *box, const QColor &colour) {
    QPalette pal = box->palette();
    pal.setColor(QPalette::Base, colour);
    box->setPalette(pal);
}

}  // namespace

FocusTint::FocusTint(QWidget *box, const QColor &colour) : QObject(box), m_colour(colour) {
    setObjectName(QStringLiteral("focusTint"));
    box->installEventFilter(this);
}

void FocusTint::install(QWidget *box, const QColor &colour) {
    new FocusTint(box, colour);
}

bool FocusTint::eventFilter(QObject *watched, QEvent *event) {
    auto *box = static_cast<QWidget *>(watched);
    if (event->type() == QEvent::FocusIn && !m_tinted) {
        m_before = box->palette().color(QPalette::Base);
        m_tinted = true;
        setBase(box, m_colour);
    } else if (event->type() == QEvent::FocusOut && m_tinted) {
        m_tinted = false;
        setBase(box, m_before);
    }
    return false;
}
