#pragma once

// The texts of the spreadsheet export and of the word-processor data sheet.
namespace ExportMessages {

inline constexpr const char *kSpreadsheetMissingText =
    "L'applicativo Microsoft Excel non è installato su questo computer.";
inline constexpr const char *kSpreadsheetMissingTitle = "Impossibile esportare in Microsoft Excel";

inline constexpr const char *kDocumentMissingText =
    "L'applicativo Microsoft Word non è installato su questo computer.";
inline constexpr const char *kDocumentMissingTitle = "Impossibile esportare in Microsoft Word";

inline constexpr const char *kMissingNameText =
    "Per poter esportare la scheda in MS Word è necessario specificare il nome della persona o "
    "dell'azienda.";
inline constexpr const char *kMissingNameTitle = "Attenzione: parametro mancante";

}  // namespace ExportMessages
