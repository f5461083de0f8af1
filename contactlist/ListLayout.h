#pragma once

#include <QList>
#include <QString>

class SettingsFile;

// How the contact list's columns were left: their widths in pixels and the column and
// direction of the order, kept in Cartaflex.ini (section "Elenco contatti", keys
// "Larghezze colonne" as "60,180,…" and "Ordinamento" as "2,crescente"). Values that do
// not read (a hand-edited file) give the defaults.
struct ListLayout {
    QList<int> widths;  // one per column, in pixels
    int sortColumn = 0;
    bool descending = false;

    static ListLayout defaults();
    static ListLayout read(const SettingsFile &settings);
    bool write(SettingsFile &settings) const;

    static constexpr const char *kSection = "Elenco contatti";
    static constexpr const char *kWidthsKey = "Larghezze colonne";
    static constexpr const char *kSortKey = "Ordinamento";
};
