#pragma once

class QKeyEvent;

// How a number box treats a key press: the digits 0 to 9 and Backspace are typed, Enter
// has a meaning of its own, and every other character key (letters, blanks, punctuation,
// and the control characters such as the one Ctrl+V sends) is refused, and so is pasting
// with Shift+Insert. Keys that type no character (arrows, Home, End, Delete, Tab, a lone
// Shift) and the editing shortcuts Ctrl+A, Ctrl+C, Ctrl+X, Ctrl+Z and Ctrl+Y are not key
// presses of a text and pass untouched.
class DigitKeys {
public:
    enum class Verdict { Digit, Backspace, Enter, Refused, NotCharacter };

    static Verdict classify(const QKeyEvent *event);
};
