#include "ui/LinkButton.h"

QPushButton *LinkButton::make(QWidget *parent, const QString &name, const QString &text,
                              QRect place, const QColor &colour) {
    auto *link = new QPushButton(text, parent);
    link->setObjectName(name);
    link->setGeometry(place);
    link->setFlat(true);
    link->setCursor(Qt::PointingHandCursor);
    link->setAutoDefault(true);  // Enter opens it as Space does
    link->setStyleSheet(QStringLiteral(
        "QPushButton { border: none; background: transparent; text-align: left; padding: 0; }"));
    QFont font = link->font();
    font.setUnderline(true);
    link->setFont(font);
    setColour(link, colour);
    return link;
}

void LinkButton::setColour(QPushButton *link, const QColor &colour) {
    QPalette p = link->palette();
    p.setColor(QPalette::WindowText, colour);
    p.setColor(QPalette::ButtonText, colour);
    link->setPalette(p);
}
