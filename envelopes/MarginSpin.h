#pragma once

#include <QString>
#include <optional>

// The pairing of a centimetre or millimetre box with its spin bar in the margins window.
class MarginSpin {
public:
    static constexpr int kMinimum = 0;
    static constexpr int kMaximum = 99;

    // The leading number of a box's text as the forms runtime reads it: blanks skipped,
    // an optional sign, digits, an optional "." and more digits; 0 when there is none.
    static double leadingNumber(const QString &text);

    // Where the spin bar goes when its box reads `text`: the leading number made whole
    // (halves to the even neighbour). Nothing when the number is 0 (the bar stays) or
    // lies outside 0 to 99 (the bar cannot show it and stays; the typed text is kept).
    static std::optional<int> barValueFor(const QString &text);

    // What the box shows for a spin bar value: the bare digits.
    static QString boxText(int barValue) { return QString::number(barValue); }
};
