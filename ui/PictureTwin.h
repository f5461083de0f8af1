#pragma once

#include <QAbstractButton>
#include <QLabel>

// A picture that does what the button beside it does (the menu's pictures, the archive's
// logo pictures, the help's PDF picture): to assistive technology it is a button of the
// picture's name whose "Press" presses that button, as a click on the picture does.
class PictureTwin {
public:
    // Call before anything names the picture or asks for its accessible form.
    static void pressLike(QLabel *picture, QAbstractButton *button);
    // The button a picture presses (null for any other widget).
    static QAbstractButton *twinOf(const QObject *picture);
};
