#pragma once

#include <QString>

// Text brought to what the archive can hold. The archive stores Windows-1252: a letter
// outside it becomes the nearest plain letter(s), not a "?".
namespace Cp1252Fold {

// The text as the archive can hold it: characters Windows-1252 has stay as they are
// (a letter written as base plus separate accent is joined into one where the code page
// has it); others become the nearest plain letter(s) (Ł→L, ń→n, ř→r, ź→z, ß stays, Greek
// and Cyrillic transliterated, ligatures and typographic signs mapped sensibly), "?" only
// where no Latin form makes sense (CJK, Arabic...). Control characters are dropped; line
// breaks and tabs become a space. Invisible format characters are dropped.
QString fold(const QString &text);

// Each character of text that fold() changes, once, in order of appearance.
QString changed(const QString &text);

}  // namespace Cp1252Fold
