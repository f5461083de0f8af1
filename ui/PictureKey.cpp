#include "ui/PictureKey.h"

#include "ui/EnterClicks.h"

QPushButton *PictureKey::make(QWidget *parent, const QString &objectName, const QPixmap &picture,
                              const QRect &geometry, const QString &accessibleName,
                              const QString &toolTip) {
    auto *key = new QPushButton(parent);
    key->setObjectName(objectName);
    key->setGeometry(geometry);
    key->setFlat(true);
    key->setFocusPolicy(Qt::StrongFocus);
    key->setCursor(Qt::PointingHandCursor);
    key->setAccessibleName(accessibleName);
    if (!toolTip.isEmpty()) key->setToolTip(toolTip);
    // No frame and no padding, so the picture sits where the picture box was (the
    // program's focus frame shows which key has the focus).
    key->setStyleSheet(
        QStringLiteral("QPushButton { border: none; padding: 0px; background: transparent; }"));
    setPicture(key, picture);
    EnterClicks::install(key);
    return key;
}

void PictureKey::setPicture(QPushButton *key, const QPixmap &picture) {
    key->setIcon(QIcon(picture));
    key->setIconSize(picture.size().isEmpty() ? key->size() : picture.size());
}
