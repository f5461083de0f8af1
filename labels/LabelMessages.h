#pragma once

// The texts of the label and envelope series, shared by the window and the terminal.
namespace LabelMessages {

inline constexpr const char *kNothingSelectedText = "Nessun contatto selezionato.";
inline constexpr const char *kNoAddressText =
    "Nessuno dei contatti selezionati ha un indirizzo: non c'è nulla da stampare.";
inline constexpr const char *kMissingRecordText = "La scheda n. %1 non è presente in archivio.";
inline constexpr const char *kTitle = "Attenzione: stampa non applicabile";
// One contact left out: "Esclusa la scheda n. 7 (Rossi Mario): manca l'indirizzo."
inline constexpr const char *kLeftOutNamed = "Esclusa la scheda n. %1 (%2): manca l'indirizzo.";
inline constexpr const char *kLeftOutNameless = "Esclusa la scheda n. %1: manca l'indirizzo.";

}  // namespace LabelMessages
