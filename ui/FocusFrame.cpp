#include "ui/FocusFrame.h"

#include <QApplication>
#include <QEvent>
#include <QPainter>

QPointer<FocusFrame> FocusFrame::s_frame;

FocusFrame::FocusFrame(QWidget *control) : QWidget(control) {
    setObjectName(QStringLiteral("focusFrame"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
}

void FocusFrame::install() {
    static bool installed = false;
    if (installed || !qApp) return;
    installed = true;
    QObject::connect(qApp, &QApplication::focusChanged, qApp,
                     [](QWidget *, QWidget *now) { follow(now); });
    follow(QApplication::focusWidget());
}

FocusFrame *FocusFrame::current() {
    return s_frame && s_frame->isVisible() ? s_frame.data() : nullptr;
}

void FocusFrame::follow(QWidget *now) {
    if (s_frame && s_frame->parentWidget()) s_frame->parentWidget()->removeEventFilter(s_frame);
    if (!now || now->isWindow()) {
        if (s_frame) s_frame->hide();
        return;
    }
    // The frame is a child of the control, so it goes with it (moves, hides, dies).
    if (!s_frame)
        s_frame = new FocusFrame(now);
    else if (s_frame->parentWidget() != now)
        s_frame->setParent(now);
    now->installEventFilter(s_frame);
    s_frame->setGeometry(now->rect());
    s_frame->raise();
    s_frame->show();
}

bool FocusFrame::eventFilter(QObject *watched, QEvent *event) {
    if (watched == parentWidget() && event->type() == QEvent::Resize) {
        setGeometry(parentWidget()->rect());
    } else if (watched == parentWidget() && event->type() == QEvent::ChildAdded) {
        raise();
    }
    return false;
}

void FocusFrame::paintEvent(QPaintEvent *) {
    QPainter p(this);
    QPen pen(colour(), kWidth);
    pen.setJoinStyle(Qt::MiterJoin);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(rect()).adjusted(kWidth / 2.0, kWidth / 2.0, -kWidth / 2.0, -kWidth / 2.0));
}
