#pragma once

#include <QColor>
#include <QImage>
#include <QString>
#include <array>

#include "printing/Paper.h"

class ContactRecord;

// Everything one envelope is printed from: the sender's logo and eight lines with the
// title and subtitle colours, the recipient's four lines, the four margin texts and the
// orientation word. The envelope composer shows exactly this; the printing reads it.
struct EnvelopeContent {
    enum SenderLine {
        Titolo,
        Sottotitolo,
        Indirizzo,
        Citta,
        Iva,
        Tel,
        Cel,
        Email,
        SenderLineCount
    };
    enum RecipientLine { RTitolo, RSottotitolo, RIndirizzo, RCitta, RecipientLineCount };

    std::array<QString, SenderLineCount> sender;
    QColor titleColour = Qt::black;
    QColor subtitleColour = Qt::black;
    QImage logo;
    std::array<QString, RecipientLineCount> recipient;
    QString marginSin;   // sender, left
    QString marginSup;   // sender, top
    QString marginSinD;  // recipient, left
    QString marginSupD;  // recipient, top
    QString orientation;
    Paper paper;  // the envelope's size ("Formato busta"), A4 until set

    // The composer as designed: the sample texts, black, the globe logo, margins "+0",
    // portrait.
    static EnvelopeContent design();

    // The recipient block a contact gives: its name, subtitle, address and town, trimmed
    // (the envelope window, the search hand-off and the terminal all fill it so).
    static std::array<QString, RecipientLineCount> recipientFrom(const ContactRecord &record);

    static QString senderDesignText(SenderLine line);
    static QString recipientDesignText(RecipientLine line);
    // The "Mittente" key of each sender line in Cartaflex.ini.
    static QString senderKey(SenderLine line);
};
