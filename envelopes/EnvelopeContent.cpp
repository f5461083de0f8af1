#include "envelopes/EnvelopeContent.h"

#include "archive/ContactRecord.h"
#include "envelopes/MarginText.h"
#include "envelopes/OrientationWord.h"
#include "envelopes/SenderLogo.h"

EnvelopeContent EnvelopeContent::design() {
    EnvelopeContent c;
    for (int i = 0; i < SenderLineCount; ++i) c.sender[i] = senderDesignText(SenderLine(i));
    for (int i = 0; i < RecipientLineCount; ++i)
        c.recipient[i] = recipientDesignText(RecipientLine(i));
    c.logo = SenderLogo::designPicture();
    c.marginSin = c.marginSup = c.marginSinD = c.marginSupD = MarginText::zero();
    c.orientation = OrientationWord::portrait();
    return c;
}

QString EnvelopeContent::senderDesignText(SenderLine line) {
    switch (line) {
        case Titolo:
            return QStringLiteral("Persona o azienda");
        case Sottotitolo:
            return QStringLiteral("Specialità");
        case Indirizzo:
            return QStringLiteral("Indirizzo");
        case Citta:
            return QStringLiteral("Città");
        case Iva:
            return QStringLiteral("P.IVA");
        case Tel:
            return QStringLiteral("Tel.");
        case Cel:
            return QStringLiteral("Cel.");
        case Email:
            return QStringLiteral("Email");
        case SenderLineCount:
            break;
    }
    return QString();
}

QString EnvelopeContent::recipientDesignText(RecipientLine line) {
    switch (line) {
        case RTitolo:
            return QStringLiteral("Persona o azienda");
        case RSottotitolo:
            return QStringLiteral("Specialità");
        case RIndirizzo:
            return QStringLiteral("Indirizzo");
        case RCitta:
            return QStringLiteral("Città");
        case RecipientLineCount:
            break;
    }
    return QString();
}

QString EnvelopeContent::senderKey(SenderLine line) {
    switch (line) {
        case Titolo:
            return QStringLiteral("Titolo");
        case Sottotitolo:
            return QStringLiteral("Sottotitolo");
        case Indirizzo:
            return QStringLiteral("Indirizzo");
        case Citta:
            return QStringLiteral("Citta");
        case Iva:
            return QStringLiteral("Partita Iva");
        case Tel:
            return QStringLiteral("Telefono");
        case Cel:
            return QStringLiteral("Cellulare");
        case Email:
            return QStringLiteral("Email");
        case SenderLineCount:
            break;
    }
    return QString();
}

std::array<QString, EnvelopeContent::RecipientLineCount> EnvelopeContent::recipientFrom(
    const ContactRecord &record) {
    const auto v = [&](ContactRecord::Field f) {
        return ContactRecord::trimBlanks(record.value(f));
    };
    return {v(ContactRecord::Titolo), v(ContactRecord::Sottotitolo), v(ContactRecord::Indirizzo),
            v(ContactRecord::Citta)};
}
