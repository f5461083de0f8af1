#pragma once

#include <QString>
#include <optional>

// An envelope margin as the user sets it: a sign, whole centimetres, "," and
// millimetres ("+2,5" is two and a half centimetres, "-0,3" minus three millimetres).
class MarginText {
public:
    // The text stored and shown for a margin: the three parts, each trimmed of blanks,
    // joined as sign, centimetres, ",", millimetres. Nothing is validated.
    static QString build(const QString &sign, const QString &centimetres,
                         const QString &millimetres);

    // The margin in centimetres: the text read as a decimal number with an optional
    // leading "+" or "-" and "," as the decimal separator ("+2,15" is 2.15). Blanks
    // around the text are ignored. Nothing when the text is not such a number.
    static std::optional<double> value(const QString &text);

    // The design-time text of every margin label.
    static QString zero() { return QStringLiteral("+0"); }
};
