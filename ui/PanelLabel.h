#pragma once

#include <QLabel>
#include <QSize>
#include <QString>

// The labels the program's panels are made of: a picture of the program's artwork at a
// fixed size, and a word-wrapped text.
class PanelLabel {
public:
    static QLabel *picture(QWidget *parent, const QString &name, const QString &art, QSize size);
    static QLabel *text(QWidget *parent, const QString &name, const QString &caption);
};
