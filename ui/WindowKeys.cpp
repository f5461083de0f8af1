#include "ui/WindowKeys.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QWidget>

#include "ui/EnterClicks.h"

namespace {

// The keys each window claims, seen before the focused control can keep them: a box
// that takes Ctrl+Home for itself would otherwise stop the window's shortcut.
class ClaimedKeys : public QObject {
public:
    static ClaimedKeys &instance() {
        static ClaimedKeys *keys = [] {
            auto *k = new ClaimedKeys;
            qApp->installEventFilter(k);
            return k;
        }();
        return *keys;
    }
    void claim(QWidget *window, const QKeySequence &key) {
        if (!m_keys.contains(window))
            connect(window, &QObject::destroyed, this, [this, window] { m_keys.remove(window); });
        m_keys[window].append(key);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() != QEvent::ShortcutOverride || !watched->isWidgetType()) return false;
        auto *window = static_cast<QWidget *>(watched)->window();
        const auto it = m_keys.constFind(window);
        if (it == m_keys.constEnd()) return false;
        const QKeySequence pressed(static_cast<QKeyEvent *>(event)->keyCombination());
        // Left unaccepted, the override lets the window's shortcut run.
        return it->contains(pressed);
    }

private:
    QHash<QWidget *, QList<QKeySequence>> m_keys;
};

}  // namespace

QShortcut *WindowKeys::add(QWidget *window, const QKeySequence &key, std::function<void()> action) {
    auto *shortcut = new QShortcut(key, window);
    shortcut->setContext(Qt::WindowShortcut);
    QObject::connect(shortcut, &QShortcut::activated, window, std::move(action));
    ClaimedKeys::instance().claim(window, key);
    return shortcut;
}

QShortcut *WindowKeys::addForButton(QPushButton *button, const QKeySequence &key,
                                    const QString &keyText) {
    button->setToolTip(tipWithKey(button->toolTip(), keyText));
    return add(button->window(), key, [button] {
        if (button->isEnabled() && button->isVisible()) button->click();
    });
}

QString WindowKeys::tipWithKey(const QString &tip, const QString &keyText) {
    const QString core = tip.trimmed();
    const QString withKey = core + QStringLiteral(" (") + keyText + QLatin1Char(')');
    return tip.startsWith(QLatin1Char(' ')) ? QLatin1Char(' ') + withKey + QLatin1Char(' ')
                                            : withKey;
}

void WindowKeys::enterClicks(QWidget *window) {
    for (QPushButton *b : window->findChildren<QPushButton *>()) EnterClicks::install(b);
}

void WindowKeys::tabChain(const QList<QWidget *> &chain) {
    QWidget *previous = nullptr;
    for (QWidget *w : chain) {
        if (!w) continue;
        if (previous) QWidget::setTabOrder(previous, w);
        previous = w;
    }
}
