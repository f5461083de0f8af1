#pragma once

#include <QString>
#include <QStringList>
#include <optional>

#include "cards/CardContent.h"
#include "cards/CardFormat.h"
#include "cards/CardPrintJob.h"
#include "printing/PrintTarget.h"

// The printers the card print dialog offers and what choosing one does: the system's
// print queues, then one entry that saves the sheets as a PDF file.
class CardPrinterChoice {
public:
    enum class Outcome { Printed, Cancelled, Failed };

    static QString pdfEntry();
    // The queues in the system's order, then the PDF entry.
    static QStringList entries();
    // The entry to preselect: the PDF entry when it was the last one used, else the
    // program's current printer (empty when there is none).
    static QString preselected();

    // Makes the installed queue of that exact name the program's current printer;
    // false when there is no queue of that name (the current printer stays).
    static bool SelectPrinter(const QString &name);

    // Runs the card print job on the chosen entry: a queue (selected first; when it is
    // gone the current printer prints), or the PDF entry, which asks for the file name
    // (a cancelled question prints nothing). A printer that fails shows the
    // "Impossibile eseguire la stampa" message.
    static Outcome print(const QString &entry, CardFormat format, const CardContent &content,
                         int pages, const CardPrintJob::Range &range = CardPrintJob::Range());
    // Where an entry prints: its queue (the current printer for a queue that is gone),
    // or the PDF file the user names (nothing when the question is cancelled).
    static std::optional<PrintTarget> targetOf(const QString &entry);

    // The message of a printer that cannot print.
    static QString failureText();
    static QString failureTitle();
    static void showFailure();

    // Forgets the last entry used (for tests).
    static void reset();
};
