#pragma once

#include <QString>

#include "platform/Message.h"

// The user guide Guida.pdf: it lives in the program folder, and the copy built with the
// program sits beside the executable.
class UserGuide {
public:
    static constexpr const char *kFileName = "Guida.pdf";

    // The guide to open: the program folder's copy, else the one beside the executable;
    // empty when neither exists.
    static QString path();

    static constexpr const char *kMissingText = "File della guida non trovato.";
    static constexpr const char *kNoViewerText =
        "Impossibile aprire la guida: su questo computer non è disponibile nessun programma "
        "per leggere i file PDF.";

    // Hands the guide to the shell, under the hourglass. When it is missing, or no program
    // opens it, returns the message that tells which of the two it is; empty when opened.
    static Message open();
};
