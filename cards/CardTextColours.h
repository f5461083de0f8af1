#pragma once

#include <QString>

class SettingsFile;

// The title and subtitle text colours of the cards, from "Impostazioni Colore" of the
// settings file: an empty value is black; a value that is not a whole 32-bit number
// makes both black.
struct CardTextColours {
    qint32 title = 0;
    qint32 subtitle = 0;

    static CardTextColours read(const SettingsFile &settings);
    // The colour of one value: empty is 0; false when it is not a whole 32-bit number.
    static bool parse(const QString &value, qint32 &colour);
};
