#pragma once

#include <QString>

// What poppler's tools read back from a PDF the program wrote.
class PdfReadBack {
public:
    // The page count that pdfinfo gives; -1 when it cannot be had.
    static int pageCount(const QString &pdf);
    // The words with their boxes, as `pdftotext -bbox` writes them (XHTML); empty when
    // the tool fails.
    static QString wordBoxes(const QString &pdf);
};
