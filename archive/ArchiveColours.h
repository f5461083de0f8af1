#pragma once

#include <QString>
#include <optional>

class SettingsFile;

// The text colours of the name and specialty lines ("Colore Titolo" and "Colore
// Sottotitolo" in "Impostazioni Colore"), as 0x00BBGGRR values. The archive window, the
// card composer and the envelope composer all read them here, so that one setting shows
// the same colours everywhere.
class ArchiveColours {
public:
    static constexpr qint32 kWhite = 0xFFFFFF;

    struct Pair {
        qint32 title = 0;
        qint32 subtitle = 0;
    };

    // The two colours. A missing or empty key is black; when either value is not a colour,
    // both are black, so a damaged setting never shows a colour made of part of it.
    static Pair read(const SettingsFile &settings);
    // Whether both keys hold a colour or nothing.
    static bool readable(const SettingsFile &settings);
    // Both keys as decimal text; false when the file could not be written.
    static bool write(SettingsFile &settings, const Pair &colours);
    // One stored value, blanks around it ignored: empty is black (0); a whole number from
    // 0 to 16777215 written in decimal digits only is that colour; anything else
    // ("255abc", "-5", "rosso", "1e3") is no colour.
    static std::optional<qint32> parse(const QString &text);
};
