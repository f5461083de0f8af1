#pragma once

// The texts of the backup and restore wizard, shared with the terminal front end.
namespace BackupMessages {

inline constexpr const char *kOverwriteBackupText =
    "ATTENZIONE: nella cartella di destinazione indicata è già presente una copia di backup "
    "dell'archivio dati personali eseguita in data odierna.\r\n\r\n"
    "Si vuole sovrascrivere la copia esistente?";
inline constexpr const char *kOverwriteBackupTitle = "File di backup esistente";
inline constexpr const char *kBackupDoneText =
    "Creazione del file di backup effettuata con successo.";
inline constexpr const char *kBackupDoneTitle = "Salvataggio terminato";
inline constexpr const char *kBackupFailedTitle = "Backup non riuscito";
inline constexpr const char *kBackupFailedLine = "Impossibile effettuare il backup.";

inline constexpr const char *kOverwriteArchiveText =
    "Attenzione: si sta per sovrascrivere il file di archivio attualmente in uso con la copia "
    "di backup selezionata.\r\n\r\n"
    "Si vuole proprio sovrascrivere il file esistente?";
inline constexpr const char *kOverwriteArchiveTitle = "Conferma ripristino";
// The chosen file cannot be a copy of the archive as it stands: %1 is its size in bytes.
inline constexpr const char *kOddSizeText =
    "Il file di backup selezionato misura %1 byte, che non corrispondono a un numero intero "
    "di schede: potrebbe non essere una copia dell'archivio dati personali.\r\n\r\n"
    "Ripristinare comunque?";
inline constexpr const char *kEmptyFileText =
    "Il file di backup selezionato misura 0 byte e non contiene nessuna scheda: "
    "ripristinandolo l'archivio resterebbe vuoto.\r\n\r\n"
    "Ripristinare comunque?";
inline constexpr const char *kOddSizeTitle = "Attenzione: file di backup sospetto";
// The archive a restore replaces is kept beside it under this name (one generation).
inline constexpr const char *kPreviousArchiveName = "Contatti.edb.prima-del-ripristino";
inline constexpr const char *kRestoreDoneText = "File di backup ripristinato con successo.";
inline constexpr const char *kRestoreDoneTitle = "Ripristino terminato";
inline constexpr const char *kRestoreFailedTitle = "Ripristino non riuscito";
inline constexpr const char *kRestoreFailedLine = "Impossibile effettuare il ripristino.";

inline constexpr const char *kDriveNotReady =
    "Accertarsi che il dischetto sia stato inserito nell'apposito drive.";
inline constexpr const char *kBackupAccessDenied =
    "Accertarsi che la cartella e il file di destinazione non siano protetti dalla scrittura.";
inline constexpr const char *kBackupPathNotFound =
    "Accertarsi che il percorso della cartella di destinazione sia valido.";
inline constexpr const char *kRestoreAccessDenied =
    "Accertarsi che la cartella del programma e il file di archivio attualmente in uso non "
    "siano protetti dalla scrittura.";
inline constexpr const char *kRestorePathNotFound =
    "Accertarsi che il percorso del file di archivio sia valido.";

inline constexpr const char *kNoFolder = "Nessuna cartella selezionata";
inline constexpr const char *kNoFile = "Nessun file di backup selezionato";
inline constexpr const char *kInvalidFileText = "File di backup non valido.";
inline constexpr const char *kInvalidFileTitle = "Messaggio di errore";

inline constexpr const char *kFolderDialogTitle = "Seleziona una cartella per il backup :";
inline constexpr const char *kFileDialogTitle = "Selezionare un file di backup e premere Apri";

}  // namespace BackupMessages
