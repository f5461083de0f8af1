#pragma once

#include <QRectF>
#include <QStringList>

#include "archive/ContactRecord.h"
#include "labels/LabelLayout.h"
#include "printing/PrintProgress.h"

class PrinterPage;

// Draws address labels one after the other on the printer page: portrait, twips, one
// document whose pages are label sheets. The first sheet may start at a later label (a
// sheet already partly used); every following sheet starts at label 1. No cut guides
// are drawn: the sheets come die-cut. Nothing of a sheet is kept once it is drawn.
//
// Each label holds the contact's compact recipient block, left-aligned kInset inside
// the label and centred vertically: the name in bold at kNameSize, the other lines at
// kLineSize, in the envelope recipient's font; a line wider than the label less the
// inset on both sides is shrunk, then cut, by the program's text-fitting rule.
class LabelSheetPrinter {
public:
    static constexpr double kInset = 4.0;  // mm
    static constexpr double kNameSize = 10;
    static constexpr double kLineSize = 9;

    // `firstLabel` counts from 1 (left to right, top to bottom); out of range is 1.
    LabelSheetPrinter(PrinterPage &page, const LabelLayout &layout, int firstLabel = 1);

    // Before each sheet is started; `pages` is told to it as the total.
    void setProgress(ProgressCallback progress, int pages);

    // Puts the contact on the next label, starting a sheet when needed. False when the
    // printer failed or the progress callback stopped the printout (cancelled() then).
    bool add(const ContactRecord &record);
    // Ends the document. False when the printer failed at any step.
    bool finish();

    int labelsPrinted() const { return m_printed; }
    int sheetsStarted() const { return m_sheet; }
    bool cancelled() const { return m_cancelled; }

    // Sheets needed for `labels` labels when the first sheet starts at `firstLabel`.
    static int sheetsFor(const LabelLayout &layout, int labels, int firstLabel);
    // Draws one recipient block in the label's rectangle (millimetres).
    static void drawBlock(PrinterPage &page, const QRectF &labelMm, const QStringList &lines,
                          bool firstIsName);

private:
    bool startSheet();

    PrinterPage &m_page;
    LabelLayout m_layout;
    int m_next;       // the next label of the current sheet, from 0
    int m_sheet = 0;  // sheets started
    int m_printed = 0;
    bool m_cancelled = false;
    ProgressCallback m_progress;
    int m_pages = 0;
};
