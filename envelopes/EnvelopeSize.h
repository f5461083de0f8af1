#pragma once

#include <QString>
#include <QStringList>
#include <optional>

#include "printing/Paper.h"

class SettingsFile;

// The envelope sizes the margins window offers ("Formato busta"), kept in Cartaflex.ini
// under [Stampa Busta] as "Formato=" and the size's word (dl, americana, c6, c5, c4, a4,
// stampante). Without the key the envelope prints on A4, as it always did.
namespace EnvelopeSize {

enum class Size { DL, Americana, C6, C5, C4, A4, Printer };
inline constexpr int kCount = 7;
inline constexpr const char *kKey = "Formato";

// "DL (110 × 220 mm)" … "Formato della stampante", in the order of Size.
QString caption(Size size);
QStringList captions();
// The word kept in Cartaflex.ini and given to the terminal ("dl", …, "printer" on the
// terminal, "stampante" in the file; both are read).
QString settingWord(Size size);
QString terminalWord(Size size);
std::optional<Size> fromWord(const QString &word);
Paper paper(Size size);
// A real envelope (DL to C4): its address is written along the long side, so the window
// that offers the size turns the layout across when the user picks one.
bool isEnvelope(Size size);

// The size kept in the file; A4 when the key is missing or unreadable.
Size read(const SettingsFile &settings);
bool write(SettingsFile &settings, Size size);

}  // namespace EnvelopeSize
