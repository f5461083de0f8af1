#include "ui/WindowKeys.h"

#include <QAbstractButton>
#include <QShortcut>
#include <QWidget>

QShortcut *WindowKeys::add(QWidget *window, const QKeySequence &key, std::function<void()> action,
                           QWidget *shownOn) {
    auto *shortcut = new QShortcut(key, window);
    shortcut->setContext(Qt::WindowShortcut);
    QObject::connect(shortcut, &QShortcut::activated, window, std::move(action));
    if (shownOn) shownOn->setToolTip(withKey(nameOf(shownOn), key));
    return shortcut;
}

QString WindowKeys::withKey(const QString &text, const QKeySequence &key) {
    const QString keyText = key.toString(QKeySequence::PortableText);
    return text.isEmpty() ? keyText : QStringLiteral("%1 (%2)").arg(text, keyText);
}

QString WindowKeys::nameOf(const QWidget *control) {
    if (!control->toolTip().trimmed().isEmpty()) return control->toolTip().trimmed();
    if (!control->accessibleName().isEmpty()) return control->accessibleName();
    if (const auto *button = qobject_cast<const QAbstractButton *>(control)) {
        QString caption = button->text();
        caption.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
        caption.remove(QLatin1Char('&'));
        caption.replace(QStringLiteral("\x01"), QStringLiteral("&"));
        return caption.trimmed();
    }
    return QString();
}
