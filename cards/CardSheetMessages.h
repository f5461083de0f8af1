#pragma once

#include <QString>

#include "cards/CardFormat.h"

// What the program says when a sheet is asked for by a name it cannot print the format
// on: a name no sheet has, or a stock whose cards are too far from the format's size.
namespace CardSheetMessages {

QString unknownSheet(CardFormat format, const QString &name);

}  // namespace CardSheetMessages
