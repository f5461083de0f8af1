#pragma once

#include <QImage>
#include <QString>

// The sender's logo of the envelope composer, kept between runs as Logo.bmp in the
// program folder.
class SenderLogo {
public:
    static constexpr const char *kFileName = "Logo.bmp";
    static constexpr int kWidth = 79;
    static constexpr int kHeight = 90;

    // The picture the composer shows before any logo is loaded: a small globe.
    static QImage designPicture();
    // True for the globe, also as read back from the Logo.bmp that saved it.
    static bool isDesignPicture(const QImage &image);
    // The empty-logo picture that clearing the sender puts in its place: plain white,
    // the same size as the globe, so that it still saves as a real bitmap.
    static QImage blankPicture();

    // Reads a picture file of any format Qt reads; a null image when the file is missing
    // or is not a picture.
    static QImage load(const QString &path);
    // Writes the picture as a Windows bitmap, replacing the file; false when it fails
    // (a null picture, a folder that cannot be written).
    static bool save(const QImage &image, const QString &path);

    // Logo.bmp of the program folder.
    static QString programFilePath();
};
