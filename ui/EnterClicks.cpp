#include "ui/EnterClicks.h"

#include <QAbstractButton>
#include <QKeyEvent>

void EnterClicks::install(QAbstractButton *button) {
    if (button->findChild<EnterClicks *>(QString(), Qt::FindDirectChildrenOnly)) return;
    button->installEventFilter(new EnterClicks(button));
}

bool EnterClicks::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() != QEvent::KeyPress) return false;
    const auto *key = static_cast<QKeyEvent *>(event);
    if (key->modifiers() & ~Qt::KeypadModifier) return false;
    if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) return false;
    auto *button = qobject_cast<QAbstractButton *>(watched);
    if (!button || !button->isEnabled()) return false;
    button->click();
    return true;
}
