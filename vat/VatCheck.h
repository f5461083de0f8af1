#pragma once

// Folder vat/: the partita IVA check and its window.

#include <QString>

#include "platform/Platform.h"

// The partita IVA check: the eleventh digit against the first ten, and the office that
// issued the number (digits 8 to 10). Both the check window and the terminal use it.
class VatCheck {
public:
    enum class Kind { Right, Wrong, Empty, TooShort };

    // What the check window shows for a text: the message box and, for a right number,
    // the office's name.
    struct Outcome {
        Kind kind = Kind::Wrong;
        QString office;
        QString text;
        QString title;
        MsgIcon icon = MsgIcon::Exclamation;
    };

    // The value of the character at 1-based position p: "0" to "9" give 0 to 9,
    // anything else (and a position past the end) gives 0.
    static int digit(const QString &text, int position);
    // The total S of the check-digit rule over positions 1 to 10.
    static int checkSum(const QString &text);
    // The expected eleventh digit: 10 − (S mod 10), and 0 when S mod 10 is 0.
    static int expectedCheckDigit(const QString &text);

    // ControllaIva on the text as given: the check digit, then the office of the
    // trimmed text's characters 8 to 10.
    static Outcome controllaIva(const QString &text);
    // The window's whole check: first the two preliminary tests on the trimmed text
    // (empty, fewer than 11 characters), then ControllaIva.
    static Outcome run(const QString &text);

    // Removes leading and trailing blanks.
    static QString trimBlanks(const QString &text);
};
