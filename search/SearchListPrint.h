#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

#include "platform/Message.h"

// The printed search list: the title in Courier New 12 pt, then in 8 pt the rules, the
// list lines, the count and the date and time of printing, on a landscape page in twips
// with the left edge 600 twips inside the printable area. Pages continue by themselves.
class SearchListPrint {
public:
    static constexpr const char *kTitle = "Archivio dati personali - Risultati ricerca";
    static constexpr const char *kRule = "______________________________";

    static constexpr const char *kEmptyText = "La lista non contiene nessuna voce.";
    static constexpr const char *kEmptyTitle = "Attenzione: stampa non applicabile";
    static constexpr const char *kConfirmText = "Premere OK per dare inizio alla stampa.";
    static constexpr const char *kConfirmTitle = " Stampa risultati ricerca ";
    static constexpr const char *kErrorTitle = "Attenzione: operazione non eseguibile";
    static QString errorText();

    // "Stampa eseguita in data dd/mm/yyyy alle ore hh:mm:ss."
    static QString stampLine(const QDateTime &when);

    // Draws the list on PrinterPage::printer() and ends the document; false when the
    // printer failed at any step.
    static bool print(const QStringList &lines, const QString &countCaption, const QDateTime &when);

    // The print button's messages, for the window to show: the refusal of an empty list
    // (nothing when the list has lines), the OK/Cancel question, and the failure.
    static Message refusal(const QStringList &lines);
    static Message question();
    static Message failure();
    // Prints the list with the hourglass shown; the failure message when the printer
    // failed, nothing when printed.
    static Message run(const QStringList &lines, const QString &countCaption);
};
