#pragma once

#include <QImage>
#include <QSizeF>

// How a logo sits in its box, on screen and on paper alike: at the box's top-left
// corner, at the picture's own size when it fits, else scaled down to fit inside the
// box, keeping its proportions.
namespace LogoFit {

// The size, in twips, a picture is drawn at in a box of `boxTwips`.
QSizeF sizeInBox(const QImage &picture, QSizeF boxTwips);
// What a screen box of `boxPx` pixels (96 dots per inch) shows: white, with the fitted
// picture at its top-left corner.
QImage shownOnScreen(const QImage &picture, QSize boxPx);

}  // namespace LogoFit
