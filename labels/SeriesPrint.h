#pragma once

#include <QString>

#include "labels/ContactSelection.h"
#include "labels/LabelLayout.h"
#include "labels/SelectionScan.h"
#include "labels/SeriesResult.h"
#include "platform/Message.h"
#include "printing/Printout.h"

class PrinterPage;

// Labels or envelopes for many contacts as one printout of the print dialog: the
// selection checked and scanned first (who is left out for want of an address), then
// the pages drawn, with their progress, on whatever target the dialog chose.
class SeriesPrint {
public:
    enum class Kind { Labels, Envelopes };

    struct Request {
        Kind kind = Kind::Labels;
        ContactSelection selection;
        LabelLayout layout = LabelLayout::all().first();
        int firstLabel = 1;
    };

    // The check and the first pass: the refusal (empty when it can be printed) and the
    // scan with the contacts left out.
    static Message prepare(const ContactSelection &selection, SelectionScan &scan);

    // The pages the printout takes: label sheets, or one page per envelope.
    static int pagesOf(const Request &request, const SelectionScan &scan);

    // The printout for the print dialog, after prepare(): its caption, the PDF file it
    // suggests, the contacts left out as its note, and the drawing of every page (which
    // stops at the next page when the progress callback says so).
    static Printout printout(const Request &request, const SelectionScan &scan);

    // Draws the labels or envelopes on the page's device; the caller finishes the job.
    static SeriesResult draw(PrinterPage &page, const Request &request, const SelectionScan &scan,
                             const ProgressCallback &progress = ProgressCallback());
};
