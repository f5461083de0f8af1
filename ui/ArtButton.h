#pragma once

#include <QPushButton>
#include <QSize>
#include <QString>

// A borderless button that shows one picture of the program's artwork.
class ArtButton {
public:
    static QPushButton *make(QWidget *parent, const QString &name, const QString &art, QSize size);
};
