#include "ui/ArtButton.h"

#include <QIcon>
#include <QPixmap>

#include "platform/Artwork.h"

QPushButton *ArtButton::make(QWidget *parent, const QString &name, const QString &art, QSize size) {
    auto *b = new QPushButton(parent);
    b->setObjectName(name);
    b->setFlat(true);
    b->setFocusPolicy(Qt::NoFocus);
    b->setProperty("pictureOnly", true);
    b->setIcon(QIcon(QPixmap::fromImage(Artwork::render(art, size))));
    b->setIconSize(size);
    b->setFixedSize(size + QSize(8, 8));
    b->setStyleSheet(QStringLiteral("QPushButton { border: none; background: transparent; }"));
    return b;
}
