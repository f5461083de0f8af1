#pragma once

// The archive window's own message texts and titles, shared with the terminal front end.
namespace ArchiveMessages {

inline constexpr const char *kMissingNameText =
    "Per poter salvare la scheda è necessario specificare il nome della persona o dell'azienda.";
inline constexpr const char *kMissingNameTitle = "Attenzione: parametro mancante";

inline constexpr const char *kCannotSaveChangesText = "Impossibile salvare le modifiche.";
inline constexpr const char *kCannotSaveChangesTitle = "Attenzione: messaggio di errore";

inline constexpr const char *kChangedPrefix = "Le modifiche apportate alla scheda n. ";
inline constexpr const char *kChangedSuffix = " sono state inserite in archivio.";
inline constexpr const char *kAddedPrefix = "La scheda n. ";
inline constexpr const char *kAddedSuffix = " è stata inserita in archivio.";
inline constexpr const char *kSavedTitle = "Salvataggio terminato";

inline constexpr const char *kSaveErrorText =
    "Il sistema non permette di salvare i dati.\r\n\r\n"
    "Accertarsi che il file di archivio non abbia attributi di protezione.";
inline constexpr const char *kSaveErrorTitle = "Messaggio di errore";

inline constexpr const char *kDeleteNotApplicableText =
    "La cancellazione può essere applicata soltanto ad una scheda già presente in archivio.\r\n\r\n"
    "Se si vuole semplicemente vuotare tutti i campi di testo, fare clic su Nuovo.";
inline constexpr const char *kDeleteNotApplicableTitle = "Attenzione: operazione non applicabile";
inline constexpr const char *kDeleteConfirmPrefix = "Si vuole proprio cancellare la scheda n.";
inline constexpr const char *kDeleteConfirmTitle = "Conferma operazione";
inline constexpr const char *kUnsavedPrefix = "Salvare le modifiche alla scheda n. ";
inline constexpr const char *kUnsavedTitle = "Modifiche non salvate";
// Characters the archive cannot hold: the list ("ř → r, Ł → L") goes between.
inline constexpr const char *kFoldPrefix =
    "L'archivio non può conservare alcuni caratteri della scheda, che saranno sostituiti "
    "dalla lettera semplice più vicina: ";
inline constexpr const char *kFoldSuffix = ".\r\n\r\nSalvare la scheda così?";
inline constexpr const char *kFoldTitle = "Attenzione: caratteri sostituiti";
inline constexpr const char *kDeletedText = "La scheda è stata rimossa dall'archivio.";
inline constexpr const char *kDeletedTitle = "Cancellazione terminata";
inline constexpr const char *kDeleteErrorText =
    "Impossibile eliminare la scheda.\r\n\r\n"
    "Accertarsi che il file di archivio non abbia attributi di protezione.";
inline constexpr const char *kDeleteErrorTitle = "Attenzione: eliminazione scheda non riuscita";

// Record n no longer holds the contact the window shows: another copy of the program
// changed the archive since it was read. Nothing is written; the window reads it again.
inline constexpr const char *kChangedElsewhereText =
    "L'archivio è stato modificato da un'altra copia del programma: la scheda non è stata "
    "salvata né cancellata.\r\n\r\n"
    "La scheda viene mostrata di nuovo com'è ora in archivio.";
inline constexpr const char *kChangedElsewhereTitle = "Attenzione: archivio modificato";

}  // namespace ArchiveMessages
