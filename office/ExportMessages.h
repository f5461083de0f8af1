#pragma once

// The texts of the spreadsheet export and of the word-processor data sheet.
namespace ExportMessages {

inline constexpr const char *kSpreadsheetMissingText =
    "Su questo computer non è installato nessun programma per fogli di calcolo.";
inline constexpr const char *kSpreadsheetMissingTitle =
    "Impossibile esportare in un foglio di calcolo";

inline constexpr const char *kDocumentMissingText =
    "L'applicativo Microsoft Word non è installato su questo computer.";
inline constexpr const char *kDocumentMissingTitle = "Impossibile esportare in Microsoft Word";

inline constexpr const char *kMissingNameText =
    "Per poter esportare la scheda in MS Word è necessario specificare il nome della persona o "
    "dell'azienda.";
inline constexpr const char *kMissingNameTitle = "Attenzione: parametro mancante";

// The finished file could not be shown: %1 is its name.
inline constexpr const char *kNotOpenedText =
    "Il file %1 è stato creato, ma il programma che doveva aprirlo non si è avviato oppure "
    "si è chiuso subito con un errore.\r\n\r\n"
    "Salvare il file con nome, per aprirlo più tardi?";
inline constexpr const char *kNotOpenedTitle = "Impossibile aprire il file";
inline constexpr const char *kSaveAsTitle = "Salva con nome…";
inline constexpr const char *kSaveAsFailedText = "Impossibile salvare il file %1.";

}  // namespace ExportMessages
