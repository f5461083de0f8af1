#include "envelopes/EnvelopeLayout.h"

#include "archive/ContactRecord.h"
#include "envelopes/MarginText.h"

EnvelopeLayout::Origins EnvelopeLayout::origins(const EnvelopeContent &content) {
    Origins o;
    o.sx = kSenderX + MarginText::value(content.marginSin).value_or(0);
    o.sy = float(kSenderY + MarginText::value(content.marginSup).value_or(0));
    o.rx = kRecipientX + MarginText::value(content.marginSinD).value_or(0);
    o.ry = float(kRecipientY + MarginText::value(content.marginSupD).value_or(0));
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
    QString text;
    switch (i) {
        case 0:
            text = c.sender[S::Titolo];
            break;
        case 1:
            text = c.sender[S::Sottotitolo];
            break;
        case 2:
            text = c.sender[S::Indirizzo];
            break;
        case 3:
            text = c.sender[S::Citta];
            break;
        case 4:
            text = c.sender[S::Iva];
            break;
        case 5:
            text = c.sender[S::Tel] + QStringLiteral("    ") + c.sender[S::Cel];
            break;
        case 6:
            text = c.sender[S::Email];
            break;
        case 7:
            text = c.recipient[S::RTitolo];
            break;
        case 8:
            text = c.recipient[S::RSottotitolo];
            break;
        case 9:
            text = c.recipient[S::RIndirizzo];
            break;
        case 10:
            text = c.recipient[S::RCitta];
            break;
        default:
            break;
    }
    return ContactRecord::trimBlanks(text);
}
