#pragma once

#include <QString>
#include <functional>

#include "printing/PrintProgress.h"

class PrinterPage;

// What the user chose in the print dialog besides the target.
struct PrintChoices {
    int pages = 1;  // pages or copies, where the printout has them
    int first = 1;  // partial sheets: the first card of the first sheet
    int count = 0;  // partial sheets: how many cards (0: to the end of the sheets)
    // Told before each page of a long printout; false stops it there (empty: never).
    ProgressCallback progress;
};

// One printout as the print dialog offers it: its caption, the PDF file it suggests,
// whether it has a number of pages or copies, whether it prints on card sheets (then
// with a start card and a number of cards, and a test page), and how it draws.
struct Printout {
    QString caption;      // the dialog's title
    QString pdfFileName;  // suggested in the user's home folder ("Busta.pdf")
    bool hasPages = false;
    int cardsPerSheet = 0;  // 0: no partial sheets
    // What the dialog tells before printing (who is left out of a series); may be empty.
    QString note;
    std::function<bool(PrinterPage &page, const PrintChoices &choices)> draw;
    // True when the choices give no page at all: the dialog closes without printing and
    // without asking for a file name (empty: there is always something to print).
    std::function<bool(const PrintChoices &choices)> nothingToPrint;
    // The test page of the calibration (empty: none).
    std::function<bool(PrinterPage &page)> testPage;
};
