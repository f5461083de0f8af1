#pragma once

#include <QString>
#include <QStringList>

#include "labels/ContactSelection.h"
#include "labels/LabelLayout.h"
#include "labels/PrintProgress.h"
#include "labels/SelectionScan.h"

// The print button of the label and envelope dialog: the selection checked and scanned,
// the printer entry chosen (a print queue, or a PDF file whose name is asked), the
// labels or envelopes printed with progress, and the program's message when it fails.
class SeriesPrint {
public:
    enum class Kind { Labels, Envelopes };
    enum class Outcome { Printed, Cancelled, Refused, Failed };

    struct Request {
        Kind kind = Kind::Labels;
        ContactSelection selection;
        LabelLayout layout = LabelLayout::all().first();
        int firstLabel = 1;
        QString entry;  // a print queue's name or pdfEntry()
    };

    static QString pdfEntry();
    // The print queues in the system's order, then the PDF entry.
    static QStringList entries();
    // The entry to offer first: the program's current printer when it is installed.
    static QString preselected();

    // The check and the first pass: the refusal message (empty when it can be printed)
    // and the scan with the contacts left out.
    static QString prepare(const ContactSelection &selection, SelectionScan &scan);

    // Prints after prepare(); a refusal, a cancelled PDF question or a failure shows its
    // message here.
    static Outcome print(const Request &request, const SelectionScan &scan,
                         const ProgressCallback &progress = ProgressCallback());

    static QString failureTitle();
    static QString failureText(const QString &why);
};
