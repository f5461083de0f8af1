#pragma once

// Folder labels/: address labels and envelopes for many contacts: the label sheet
// layouts, the contact selection, the label printer, the envelope series and their
// dialog.

#include "archive/ArchiveStore.h"
#include "labels/ContactSelection.h"
#include "labels/LabelLayout.h"
#include "labels/SeriesResult.h"
#include "printing/PrintProgress.h"

class PrinterPage;

// Address labels for a selection: one label per contact that has an address, in
// archive order, reading the archive in blocks as the sheets are drawn.
class LabelJob {
public:
    // `printable` (from the selection's scan) tells the progress callback the sheets of
    // the whole job. The document is ended; the caller finishes the job on the device.
    static SeriesResult run(PrinterPage &page, ArchiveStore &store,
                            const ContactSelection &selection, const LabelLayout &layout,
                            int firstLabel, int printable,
                            const ProgressCallback &progress = ProgressCallback());
};
