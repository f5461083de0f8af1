#pragma once

#include <QList>

#include "platform/Platform.h"

// The filters of every logo dialog (archive, cards, envelope sender), the first one
// selected. "Tutti i file" lists every file, also one without an extension.
inline QList<FileFilter> logoFileFilters() {
    return {
        {QStringLiteral("Jpg (*.jpg)"), QStringLiteral("*.jpg")},
        {QStringLiteral("Bitmap (*.bmp)"), QStringLiteral("*.bmp")},
        {QStringLiteral("Jpeg (*.jpeg)"), QStringLiteral("*.jpeg")},
        {QStringLiteral("CompuServe Gif (*.gif)"), QStringLiteral("*.gif")},
        {QStringLiteral("Windows Meta File (*.wmf)"), QStringLiteral("*.wmf")},
        {QStringLiteral("Immagini PNG (*.png)"), QStringLiteral("*.png")},
        {QStringLiteral("Tutti i file (*.*)"), QStringLiteral("*")},
    };
}
