#pragma once

#include <QString>

#include "cards/CardContent.h"
#include "cards/CardFormat.h"
#include "cards/LayoutForm.h"
#include "platform/PrinterPage.h"

// The card print job: portrait, twips, the composer's texts, colours and logo copied
// once into every card of the format's layout form, then one document per page through
// the form printer, and a last EndDoc that gives no sheet.
class CardPrintJob {
public:
    // The layout form of the format with every card filled from `content` (texts
    // trimmed of blanks; only title and subtitle take the colours).
    static LayoutForm filledLayout(CardFormat format, const CardContent &content);

    // Prints `pages` sheets on the page's current device; 0 prints nothing. False when
    // the printer failed (not there, not writable); errorString() then says why.
    bool run(PrinterPage &printer, CardFormat format, const CardContent &content, int pages);
    QString errorString() const { return m_error; }

    // The number of pages in the pages box's text: its leading digits as a 16-bit
    // whole number; empty or not a number gives 0.
    static int pagesFromText(const QString &text);

private:
    QString m_error;
};
