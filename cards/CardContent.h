#pragma once

#include <QImage>
#include <QMap>
#include <QString>

#include "archive/ContactRecord.h"
#include "cards/CardFormat.h"

// What the print job takes from the composer for one format: the box texts as the user
// sees them, the title and subtitle colours (0x00BBGGRR) and the logo picture.
struct CardContent {
    QMap<ContactRecord::Field, QString> texts;
    qint32 titleColor = 0;
    qint32 subtitleColor = 0;
    QImage logo;

    // The composer's state at opening: design texts, black, the sample logo.
    static CardContent designState(CardFormat format);
};
