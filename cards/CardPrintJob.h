#pragma once

#include <QString>

#include "cards/CardContent.h"
#include "cards/CardFormat.h"
#include "cards/LayoutForm.h"
#include "printing/PrinterPage.h"

// Which cards of the sheets are printed: from card `first` of the first sheet
// (counted from 1, left to right, top to bottom), `count` cards in all; a count of 0
// prints to the end of the sheets asked for. Following sheets start at card 1.
struct CardRange {
    int first = 1;
    int count = 0;
};

// The card print job: portrait, twips, the composer's texts, colours and logo copied
// once into every card of the format's layout form, then one document per page through
// the form printer, and a last EndDoc that gives no sheet.
class CardPrintJob {
public:
    using Range = CardRange;
    // Why a range cannot be printed with a format (a start of 0 or past the sheet, a
    // count below 0); empty when it can.
    static QString rangeError(CardFormat format, const Range &range);
    // The sheets a range takes: `pages` for a count of 0.
    static int sheetsOf(CardFormat format, const Range &range, int pages);

    // The layout form of the format with every card filled from `content` (texts
    // trimmed of blanks; only title and subtitle take the colours).
    static LayoutForm filledLayout(CardFormat format, const CardContent &content);
    // The filled layout of one sheet printing only the cards marked in `printed`: the
    // others, their rules and their cut guides are left out (the cut guides are then the
    // edges of the printed cards).
    static LayoutForm sheetLayout(CardFormat format, const CardContent &content,
                                  const QList<bool> &printed);

    // Prints `pages` sheets on the page's current device; 0 prints nothing. False when
    // the printer failed (not there, not writable); errorString() then says why.
    bool run(PrinterPage &printer, CardFormat format, const CardContent &content, int pages,
             const Range &range = Range());
    QString errorString() const { return m_error; }

    // The number of pages in the pages box's text: its leading digits as a 16-bit
    // whole number; empty or not a number gives 0.
    static int pagesFromText(const QString &text);

private:
    QString m_error;
};
