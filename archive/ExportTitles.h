#pragma once

#include <QStringList>

// The eleven column titles of every contact export, spreadsheet and CSV alike, in the
// order of their columns ("Persona o azienda", "Specialità", … "Sito Web").
class ExportTitles {
public:
    static QStringList texts();
};
