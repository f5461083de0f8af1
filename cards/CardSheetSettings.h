#pragma once

#include "cards/CardSheet.h"

class SettingsFile;

// The sheet each card format was last chosen to print on, kept in Cartaflex.ini under
// [Carta Biglietti] as "card03=85x55-10" (the terminal's name of the sheet). A format
// without a key, or whose kept name is not a sheet it fits (a stock no longer made, a
// stock of another size), prints on the plain A4 sheet.
namespace CardSheetSettings {

inline constexpr const char *kSection = "Carta Biglietti";

CardSheet read(const SettingsFile &settings, CardFormat format);
// False when the file cannot be written; it is then left as it was.
bool write(SettingsFile &settings, const CardSheet &sheet);

}  // namespace CardSheetSettings
