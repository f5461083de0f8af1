#pragma once

class PrinterPage;

#include "cards/CardFormat.h"
#include "cards/CardSheet.h"

// The test page of a card format for calibrating a print queue: the sheet's cut grid (on
// stock, the outline of every card of the stock), a millimetre ruler along the top and
// left edges of the printable area, crosshairs at the grid's four outer corners and a
// short instruction. Portrait A4, one document.
class CardTestPage {
public:
    static constexpr const char *kInstruction =
        "Sovrapporre il foglio al foglio di biglietti controluce e leggere lo scarto delle "
        "croci dagli angoli dei biglietti sui righelli (in millimetri).";
    static constexpr const char *kInstruction2 =
        "Inserire lo scarto in \"Calibra stampante…\" (destra e in basso positivi) e "
        "stampare di nuovo la pagina di prova.";
    // Half the length of a crosshair's arm, in twips (5 mm).
    static constexpr int kCrossArm = 283;

    // False when the printer failed.
    static bool print(PrinterPage &page, CardFormat format);
    static bool print(PrinterPage &page, const CardSheet &sheet);
};
