#include "labels/LabelJob.h"

#include "labels/LabelSheetPrinter.h"
#include "labels/RecipientLines.h"
#include "printing/PrinterPage.h"

SeriesResult LabelJob::run(PrinterPage &page, ArchiveStore &store,
                           const ContactSelection &selection, const LabelLayout &layout,
                           int firstLabel, int printable, const ProgressCallback &progress) {
    SeriesResult result;
    LabelSheetPrinter sheets(page, layout, firstLabel);
    if (progress)
        sheets.setProgress(progress, LabelSheetPrinter::sheetsFor(layout, printable, firstLabel));
    bool drawing = true;
    const bool read = selection.forEach(store, [&](int, const ContactRecord &record) {
        if (!RecipientLines::hasAddress(record)) return true;
        drawing = sheets.add(record);
        return drawing;
    });
    result.cancelled = sheets.cancelled();
    result.ok = sheets.finish() && (drawing || result.cancelled);
    if (!result.ok) {
        result.error = page.errorString();
        page.clearError();
    }
    if (!read && result.ok) {
        result.ok = false;
        result.error = store.errorString();
    }
    result.printed = sheets.labelsPrinted();
    result.pages = sheets.sheetsStarted();
    return result;
}
