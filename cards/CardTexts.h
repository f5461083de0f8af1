#pragma once

#include <QList>
#include <QString>
#include <utility>

#include "archive/ContactRecord.h"
#include "cards/CardFormat.h"

// The text boxes of the cards: which boxes each format has, their names, their design
// texts, and the texts a contact record puts into them.
namespace CardTexts {

using Assignment = std::pair<ContactRecord::Field, QString>;

// "txtTitolo", "txtSottotitolo", … for the eleven card fields (Titolo … Web).
QString boxName(ContactRecord::Field f);
// What a composer box shows until it is filled ("Persona o azienda", "Città", …).
QString designText(ContactRecord::Field f);
// The layout form's design text (the print job always replaces it).
QString layoutDesignText(ContactRecord::Field f);
// The boxes of a format in the order the print job copies them: title, subtitle, then
// address, town, VAT, telephone, mobile, [fax], e-mail, [web], [information].
QList<ContactRecord::Field> boxesOf(CardFormat format);
bool hasBox(CardFormat format, ContactRecord::Field f);
// What FillCardsFromRecord writes into one format's boxes, in its order: the trimmed
// fields, with "P.IVA ", "Tel. ", "Fax ", "Cel. " before the numbers (also when empty).
QList<Assignment> fromRecord(const ContactRecord &record, CardFormat format);

}  // namespace CardTexts
