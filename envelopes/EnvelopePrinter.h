#pragma once

#include "envelopes/EnvelopeContent.h"

class PrinterPage;

// Prints one envelope on the printer page: the orientation of the content's word, the
// page in centimetres, the logo at its own size at the sender's origin, then the eleven
// lines in "Verdana" at their places, one page ended and sent. The hourglass shows
// meanwhile. Nothing is asked: the composer asks for confirmation before calling it.
class EnvelopePrinter {
public:
    static constexpr const char *kFontName = "Verdana";
    static constexpr const char *kConfirmText = "Si desidera stampare gli indirizzi correnti?";
    static constexpr const char *kConfirmTitle = "Stampa indirizzi su busta";
    // Asked after the confirmation when no recipient line would print (No by default).
    static constexpr const char *kEmptyRecipientText =
        "Il destinatario è vuoto: stampare comunque?";

    // False when the printer failed (no printer, a device error); nothing is reported
    // here, the caller decides.
    static bool print(const EnvelopeContent &content, PrinterPage &page);
};
