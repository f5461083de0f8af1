#pragma once

#include <QtGlobal>

class SettingsFile;

// The text colours of the name and specialty lines ("Colore Titolo" and "Colore
// Sottotitolo" in "Impostazioni Colore"), as 0x00BBGGRR values.
class ArchiveColours {
public:
    struct Pair {
        qint32 title = 0;
        qint32 subtitle = 0;
    };

    // The two colours; a missing or empty key is black.
    static Pair read(const SettingsFile &settings);
    // Both keys as decimal text; false when the file could not be written.
    static bool write(SettingsFile &settings, const Pair &colours);
    // A stored value read as a whole number from its leading digits ("255", " 65280",
    // "12abc" gives 12); an empty or non-numeric text is 0.
    static qint32 parse(const QString &text);
};
