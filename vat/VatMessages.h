#pragma once

// The texts of the VAT number check.
namespace VatMessages {

inline constexpr const char *kResultTitle = "Risultato controllo partita IVA";
inline constexpr const char *kRightPrefix =
    "Il numero di partita IVA è ESATTO. E' stato rilasciato dall'Ufficio di ";
inline constexpr const char *kWrongText = "Numero di partita IVA ERRATO.";

inline constexpr const char *kMissingTitle = "Attenzione: parametro mancante";
inline constexpr const char *kEmptyText = "Non è stato specificato alcun valore.";
inline constexpr const char *kShortText =
    "Il numero di partita IVA deve essere costituito da 11 cifre.";

inline constexpr const char *kDigitsOnlyText = "Digitare solo caratteri numerici.";
inline constexpr const char *kDigitsOnlyTitle = "Attenzione!";

inline constexpr const char *kCopyEmptyText =
    "Impossibile copiare negli Appunti di Windows. Nessun numero di partita IVA corrente.";
inline constexpr const char *kCopyEmptyTitle = "Operazione non applicabile";
inline constexpr const char *kCopiedText =
    "Il numero di partita IVA corrente è stato copiato negli Appunti di Windows con successo.";
inline constexpr const char *kCopiedTitle = "Copia effettuata";

inline constexpr const char *kInstructions =
    "Inserire il numero di partita IVA e premere il pulsante di controllo.";

}  // namespace VatMessages
