#pragma once

#include <QString>

// What a box gives to paper. A box still showing its design text ("Persona o azienda",
// "Città") or nothing but its prefix ("Tel. ", "Fax ", "P.IVA ": the prefixes are the
// design texts of their boxes, blanks aside) prints nothing: the screen keeps showing
// them, the sheet does not carry a fake address or a lone "Cel." on every card.
namespace PrintedText {

// The text trimmed of blanks, or empty when that is exactly the design text.
QString of(const QString &text, const QString &designText);

}  // namespace PrintedText
