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
    static const std::array<Line, kLineCount> table{{
        {B::Sender, 0.00, 10, true, C::Title},
        {B::Sender, 0.43, 8, std::nullopt, C::Subtitle},
        {B::Sender, 0.81, 8, false, C::Black},
        {B::Sender, 1.16, 8, std::nullopt, std::nullopt},
        {B::Sender, 1.57, 6, std::nullopt, std::nullopt},
        {B::Sender, 1.87, 6, std::nullopt, std::nullopt},
        {B::Sender, 2.15, 6, std::nullopt, std::nullopt},
        {B::Recipient, 0.00, 12, true, std::nullopt},
        {B::Recipient, 0.52, 10, std::nullopt, std::nullopt},
        {B::Recipient, 1.10, 8, false, std::nullopt},
        {B::Recipient, 1.60, 8, std::nullopt, std::nullopt},
    }};
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
