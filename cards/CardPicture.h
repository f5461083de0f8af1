#pragma once

#include <QImage>
#include <QSizeF>
#include <QString>
#include <optional>

#include "cards/CardFormat.h"

// The pictures of the card logo boxes.
namespace CardPicture {

// The blank logo: one white pixel (what every clearing puts into a logo box).
QImage blank();
bool isBlank(const QImage &picture);
// A picture file as the logo boxes load it; nothing when the file is missing,
// unreadable or not a picture.
std::optional<QImage> load(const QString &path);
// The sample logo a format's box shows at start, drawn for that box: its own size in
// twips is the box's size.
QImage sample(CardFormat format);
// True when the picture is that sample (the user chose no logo).
bool isSample(const QImage &picture, CardFormat format);
// What a box of `boxTwips` shows of a picture on screen: white, with the picture at the
// top-left corner at its own size, or scaled down to fit the box when it is larger. At
// the picture's own resolution (between 96 and 600 dots per inch).
QImage shownInBox(const QImage &picture, QSizeF boxTwips);

}  // namespace CardPicture
