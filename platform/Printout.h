#pragma once

#include <QString>
#include <functional>

class PrinterPage;

// What the user chose in the print dialog besides the target.
struct PrintChoices {
    int pages = 1;  // pages or copies, where the printout has them
    int first = 1;  // partial sheets: the first card of the first sheet
    int count = 0;  // partial sheets: how many cards (0: to the end of the sheets)
};

// One printout as the print dialog offers it: its caption, the PDF file it suggests,
// whether it has a number of pages or copies, whether it prints on card sheets (then
// with a start card and a number of cards, and a test page), and how it draws.
struct Printout {
    QString caption;      // the dialog's title
    QString pdfFileName;  // suggested in the user's home folder ("Busta.pdf")
    bool hasPages = false;
    int cardsPerSheet = 0;  // 0: no partial sheets
    std::function<bool(PrinterPage &page, const PrintChoices &choices)> draw;
    // The test page of the calibration (empty: none).
    std::function<bool(PrinterPage &page)> testPage;
};
