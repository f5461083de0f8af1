#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// Loads a logo picture chosen by the user, safely: only a regular file of reasonable size
// is read, and a picture whose size is beyond what a logo can be is refused before it is
// decoded. A path naming a pipe, a device or a folder is refused at once without reading
// (a pipe with no writer would otherwise wait for ever), and so is a file too big to be
// a logo or a picture of too many pixels (which would take all the memory). Every refusal
// gives the null image, for which the windows show the blank picture, without a message.
//
// Windows and print jobs load every logo through `load`, never through QImageReader on
// the path.
class PictureLoader {
public:
    enum class Failure { None, Missing, NotAFile, TooBig, TooManyPixels, NotAPicture };

    // Largest logo file read: a 6000 × 3500 pixel bitmap of 24-bit colour fits.
    static constexpr qint64 kMaxFileBytes = 64 * 1024 * 1024;
    // Largest picture decoded: side and number of pixels.
    static constexpr int kMaxSide = 16384;
    static constexpr qint64 kMaxPixels = 25'000'000;

    // The picture of the file at `path`, or the null image (`why` tells the reason).
    static QImage load(const QString &path, Failure *why = nullptr);
    // The picture held in `bytes` (a whole picture file in memory).
    static QImage fromBytes(const QByteArray &bytes, Failure *why = nullptr);
};
