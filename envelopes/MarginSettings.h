#pragma once

#include <QString>

class SettingsFile;

// The margins of one envelope block as the margins window keeps them: for the left and
// the top margin, the margin text and its three parts.
struct BlockMargins {
    struct Margin {
        QString text;  // "+2,5"
        QString sign;
        QString centimetres;
        QString millimetres;
    };
    Margin left;
    Margin top;
};

// Reading and writing the eight margin keys of a block ("Mittente" for the sender,
// "Destinatario" for the recipient).
class MarginSettings {
public:
    // Each value that is not empty after trimming replaces the matching member of
    // `margins`; empty values leave it.
    static void read(const SettingsFile &settings, const QString &section, BlockMargins &margins);
    // Writes the eight keys in the order "Margine Sinistro", "Segno sin.", "Cm sin.",
    // "Mm sin.", "Margine Superiore", "Segno sup.", "Cm sup.", "Mm sup.", the parts trimmed.
    // False when the file could not be written.
    static bool write(SettingsFile &settings, const QString &section, const BlockMargins &margins);
    // The margin text and parts taken from the window's boxes.
    static BlockMargins::Margin fromParts(const QString &sign, const QString &centimetres,
                                          const QString &millimetres);
};
