#include "envelopes/EnvelopeLayout.h"

#include "archive/ContactRecord.h"
#include "envelopes/EnvelopeSize.h"
#include "envelopes/MarginText.h"
#include "envelopes/OrientationWord.h"
#include "printing/PrintedText.h"

QPointF EnvelopeLayout::recipientBase(const Paper &paper, int orientation) {
    // The C sizes are taller than a DL: the fixed place would leave the address in the
    // upper left part. Their address starts at the envelope's centre, in the lower right
    // quarter where the post looks for it.
    const bool centred =
        !paper.printersOwn && (paper == EnvelopeSize::paper(EnvelopeSize::Size::C6) ||
                               paper == EnvelopeSize::paper(EnvelopeSize::Size::C5) ||
                               paper == EnvelopeSize::paper(EnvelopeSize::Size::C4));
    if (!centred) return QPointF(kRecipientX, kRecipientY);
    const double shortSide = paper.millimetres.width() / 10.0;
    const double longSide = paper.millimetres.height() / 10.0;
    const bool across = orientation == 2;
    return QPointF((across ? longSide : shortSide) / 2.0, (across ? shortSide : longSide) / 2.0);
}

EnvelopeLayout::Origins EnvelopeLayout::origins(const EnvelopeContent &content, int orientation) {
    const QPointF base = recipientBase(content.paper, orientation);
    Origins o;
    o.sx = kSenderX + MarginText::value(content.marginSin).value_or(0);
    o.sy = float(kSenderY + MarginText::value(content.marginSup).value_or(0));
    o.rx = base.x() + MarginText::value(content.marginSinD).value_or(0);
    o.ry = float(base.y() + MarginText::value(content.marginSupD).value_or(0));
    return o;
}

const std::array<EnvelopeLayout::Line, EnvelopeLayout::kLineCount> &EnvelopeLayout::lines() {
    using B = Block;
    using C = Colour;
    // clang-format off: one printed line a row.
    static const std::array<Line, kLineCount> table{{
        {.block = B::Sender, .dy = Centimetres(0.00), .size = 10, .bold = true, .colour = C::Title},
        {.block = B::Sender, .dy = Centimetres(0.43), .size = 8, .colour = C::Subtitle},
        {.block = B::Sender, .dy = Centimetres(0.81), .size = 8, .bold = false, .colour = C::Black},
        {.block = B::Sender, .dy = Centimetres(1.16), .size = 8},
        {.block = B::Sender, .dy = Centimetres(1.57), .size = 6},
        {.block = B::Sender, .dy = Centimetres(1.87), .size = 6},
        {.block = B::Sender, .dy = Centimetres(2.15), .size = 6},
        {.block = B::Recipient, .dy = Centimetres(0.00), .size = 12, .bold = true},
        {.block = B::Recipient, .dy = Centimetres(0.52), .size = 10},
        {.block = B::Recipient, .dy = Centimetres(1.10), .size = 8, .bold = false},
        {.block = B::Recipient, .dy = Centimetres(1.60), .size = 8},
    }};
    // clang-format on
    return table;
}

QString EnvelopeLayout::lineText(const EnvelopeContent &c, int i) {
    using S = EnvelopeContent;
    // A box still at its design text ("Città", "Tel.") prints nothing.
    const auto sender = [&c](S::SenderLine line) {
        return PrintedText::of(c.sender[line], S::senderDesignText(line));
    };
    const auto recipient = [&c](S::RecipientLine line) {
        return PrintedText::of(c.recipient[line], S::recipientDesignText(line));
    };
    switch (i) {
        case 0:
            return sender(S::Titolo);
        case 1:
            return sender(S::Sottotitolo);
        case 2:
            return sender(S::Indirizzo);
        case 3:
            return sender(S::Citta);
        case 4:
            return sender(S::Iva);
        case 5: {
            // Each half as typed, unless it is only its prefix.
            const auto part = [&](S::SenderLine line) {
                return sender(line).isEmpty() ? QString() : c.sender[line];
            };
            return ContactRecord::trimBlanks(part(S::Tel) + QStringLiteral("    ") + part(S::Cel));
        }
        case 6:
            return sender(S::Email);
        case 7:
            return recipient(S::RTitolo);
        case 8:
            return recipient(S::RSottotitolo);
        case 9:
            return recipient(S::RIndirizzo);
        case 10:
            return recipient(S::RCitta);
        default:
            break;
    }
    return QString();
}

bool EnvelopeLayout::recipientEmpty(const EnvelopeContent &content) {
    for (int i = kFirstRecipientLine; i < kLineCount; ++i)
        if (!lineText(content, i).isEmpty()) return false;
    return true;
}
