#pragma once

#include <QString>

// The archive's way of writing a town: "47121 Forlì (FC)", postal code, town and the
// two-letter province in brackets, each part left out when missing.
struct CityLine {
    QString postalCode;
    QString town;
    QString province;

    // The line of the parts; a region longer than two letters is no province and is left out.
    QString compose() const;
    // The parts of a line written that way; a line of any other form is all town, so
    // that compose() always gives the line back.
    static CityLine split(const QString &line);
};
