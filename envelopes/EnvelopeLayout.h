#pragma once

// Folder envelopes/: the envelope composer, its margins, sizes and orientation, envelope
// printing.

#include <QString>
#include <array>
#include <optional>

#include "envelopes/EnvelopeContent.h"
#include "printing/Centimetres.h"

// The fixed layout of a printed envelope, in centimetres from the top-left corner of the
// printable area: the block origins and the eleven text lines.
class EnvelopeLayout {
public:
    // The base origins of the two blocks, shifted by the margins.
    static constexpr double kSenderX = 1;
    static constexpr double kSenderY = 1;
    static constexpr double kRecipientX = 8;
    static constexpr double kRecipientY = 4;
    // The text lines start this far right of their block's origin (the logo sits there).
    static constexpr Centimetres kTextIndent{2.5};

    struct Origins {
        double sx = kSenderX;
        float sy = float(kSenderY);
        double rx = kRecipientX;
        float ry = float(kRecipientY);
    };
    // A margin text that cannot be read leaves its origin at the base value.
    static Origins origins(const EnvelopeContent &content);

    enum class Block { Sender, Recipient };
    enum class Colour { Title, Subtitle, Black };
    // One printed line: its block, its offset below the block's origin, its size in
    // points, and the weight and colour it sets (nothing: carried over from the line
    // before).
    struct Line {
        Block block;
        Centimetres dy;
        double size;
        std::optional<bool> bold = std::nullopt;
        std::optional<Colour> colour = std::nullopt;
    };
    static constexpr int kLineCount = 11;
    static const std::array<Line, kLineCount> &lines();

    // The text of line i (0 the sender's name … 10 the recipient's town), trimmed; the
    // telephone line holds the telephone, four blanks and the mobile.
    static QString lineText(const EnvelopeContent &content, int i);
};
