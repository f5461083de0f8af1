#pragma once

#include <QPushButton>
#include <QSize>
#include <QString>

// A borderless button that shows one picture of the program's artwork and does nothing:
// it takes no focus and is marked as a picture only (property "pictureOnly"), so the
// keyboard checks do not count it among the controls a user acts on.
class ArtButton {
public:
    static QPushButton *make(QWidget *parent, const QString &name, const QString &art, QSize size);
};
