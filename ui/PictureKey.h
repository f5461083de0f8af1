#pragma once

#include <QPixmap>
#include <QPushButton>
#include <QRect>
#include <QString>

// A picture the user presses, as a flat button: it shows the picture at its place and
// size, Tab reaches it, Space and Enter press it, and a screen reader speaks its name.
class PictureKey {
public:
    static QPushButton *make(QWidget *parent, const QString &objectName, const QPixmap &picture,
                             const QRect &geometry, const QString &accessibleName,
                             const QString &toolTip = QString());
    // Shows another picture in the key, at the key's size.
    static void setPicture(QPushButton *key, const QPixmap &picture);
};
