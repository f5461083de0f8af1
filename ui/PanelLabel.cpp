#include "ui/PanelLabel.h"

#include <QPixmap>

#include "platform/Artwork.h"

QLabel *PanelLabel::picture(QWidget *parent, const QString &name, const QString &art, QSize size) {
    auto *l = new QLabel(parent);
    l->setObjectName(name);
    l->setPixmap(QPixmap::fromImage(Artwork::render(art, size)));
    l->setFixedSize(size);
    return l;
}

QLabel *PanelLabel::text(QWidget *parent, const QString &name, const QString &caption) {
    auto *l = new QLabel(caption, parent);
    l->setObjectName(name);
    l->setWordWrap(true);
    return l;
}
