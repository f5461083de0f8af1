#pragma once

#include "archive/ArchiveStore.h"
#include "envelopes/EnvelopeContent.h"
#include "labels/ContactSelection.h"
#include "labels/SeriesResult.h"
#include "printing/PrintProgress.h"

class PrinterPage;

// Envelopes for a selection: one envelope per contact that has an address, in archive
// order, each printed by the envelope printer with the composer's sender, logo, margins
// and orientation from `base` and the contact as recipient; all of them one job.
class EnvelopeSeries {
public:
    // `printable` (from the selection's scan) is told to the progress callback as the
    // total. The job is finished on the page's device.
    static SeriesResult run(PrinterPage &page, ArchiveStore &store,
                            const ContactSelection &selection, const EnvelopeContent &base,
                            int printable, const ProgressCallback &progress = ProgressCallback());

    // The contact's four lines into the recipient block, trimmed, each at its place.
    static void setRecipient(EnvelopeContent &content, const ContactRecord &record);
};
