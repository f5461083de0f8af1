#pragma once

#include <QImage>
#include <QMap>
#include <QString>

#include "archive/ContactRecord.h"
#include "cards/CardFormat.h"

// What the print job takes from the composer for one format: the box texts as the user
// sees them, the title and subtitle colours (0x00BBGGRR), the logo picture, and whether
// the logo box prints the card's QR code instead of the logo.
struct CardContent {
    QMap<ContactRecord::Field, QString> texts;
    qint32 titleColor = 0;
    qint32 subtitleColor = 0;
    QImage logo;
    bool qr = false;

    // The composer's state at opening: design texts, black, the sample logo.
    static CardContent designState(CardFormat format);
};
