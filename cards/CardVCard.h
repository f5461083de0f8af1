#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>

#include "archive/ContactRecord.h"
#include "cards/CardFormat.h"

// The contact a card shows, as a vCard 3.0 for its QR code: the name, the specialty
// (as the organisation), telephone, mobile, e-mail, address and web site, each only when
// the card shows it. A box still holding its design text, or nothing but its prefix
// ("Tel.", "Cel."), shows nothing.
namespace CardVCard {

using Texts = QMap<ContactRecord::Field, QString>;

// What box `f` shows of `text`: trimmed, without its prefix; empty when it shows nothing.
QString shown(ContactRecord::Field f, const QString &text);
// Whether the card of the format shows an address (street or town), a web site, and
// anything at all the vCard holds.
bool showsAddress(CardFormat format, const Texts &texts);
bool showsWeb(CardFormat format, const Texts &texts);
bool showsAnything(CardFormat format, const Texts &texts);

// The vCard in UTF-8, lines ended by CR LF, with or without the address and web site.
QByteArray text(CardFormat format, const Texts &texts, bool withAddress = true,
                bool withWeb = true);

}  // namespace CardVCard
