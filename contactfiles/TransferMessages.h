#pragma once

// Message texts of the contacts import and export, shared by the window and the terminal.
namespace TransferMessages {

inline constexpr const char *kImportTitle = "Importazione contatti";
inline constexpr const char *kExportTitle = "Esportazione contatti";

// "%1" is the file name.
inline constexpr const char *kUnreadableText = "Impossibile leggere il file %1: %2";
inline constexpr const char *kTooLargeText =
    "Il file %1 è troppo grande per essere importato (%2 MB; al massimo %3 MB).";
inline constexpr const char *kEmptyText = "Il file %1 è vuoto.";
inline constexpr const char *kNulText =
    "Il file %1 contiene caratteri nulli: non è un file di testo CSV né un file vCard.";
inline constexpr const char *kNotContactsText = "Il file %1 non può essere importato: %2";
inline constexpr const char *kNoContactsText = "Il file %1 non contiene nessun contatto.";

// The reasons given after kNotContactsText.
inline constexpr const char *kNoHeaderText =
    "la prima riga non contiene intestazioni di colonna riconoscibili (nessuna colonna "
    "indica il nome della persona o dell'azienda). Il file non sembra né un file CSV di "
    "contatti né un file vCard.";
inline constexpr const char *kCsvBrokenText = "il testo CSV non è ben formato.";
inline constexpr const char *kCsvUnclosedQuoteText =
    "il file è incompleto: un campo tra virgolette non è chiuso.";
inline constexpr const char *kVcardTruncatedText =
    "il file è incompleto: la scheda vCard iniziata alla riga %1 non termina con END:VCARD.";
inline constexpr const char *kVcardStrayText =
    "la riga %1 è fuori da una scheda vCard (BEGIN:VCARD … END:VCARD).";

inline constexpr const char *kImportedText = "Importati %1 contatti, %2 già presenti.";
inline constexpr const char *kCannotWriteText =
    "Impossibile aggiungere i contatti all'archivio: %1\r\n\r\nL'archivio non è stato modificato.";

inline constexpr const char *kExportedText = "Esportati %1 contatti nel file %2.";
inline constexpr const char *kCannotExportText = "Impossibile scrivere il file %1: %2";

}  // namespace TransferMessages
