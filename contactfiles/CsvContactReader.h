#pragma once

#include <QByteArray>

#include "contactfiles/ColumnMapping.h"
#include "contactfiles/ContactFileReader.h"

// A CSV contacts file (RFC 4180: quoted fields may hold separators, doubled quotes and line
// breaks), read through libcsv. The separator, ";", "," or TAB, is the one the header row
// uses most; the header row says which column goes where (ColumnMapping).
class CsvContactReader : public ContactFileReader {
public:
    bool read(QIODevice &in, TextEncoding::Kind encoding, const Visitor &visit,
              const Progress &progress = {}) override;

    // The separator of a header line: the one of ";", "," and TAB found most often outside
    // quotes; ";" when there is none (a file of one column).
    static char separatorOf(const QByteArray &headerLine);

    const ColumnMapping &mapping() const { return m_mapping; }

private:
    ColumnMapping m_mapping;
};
