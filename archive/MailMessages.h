#pragma once

// The texts of the e-mail requests.
namespace MailMessages {

inline constexpr const char *kMissingAddressText =
    "Inserire un indirizzo e-mail nell'apposita casella di testo prima di inviare il messaggio.";
inline constexpr const char *kMissingAddressTitle = "Attenzione: indirizzo e-mail mancante";
inline constexpr const char *kNoMailProgramText =
    "Non è stato possibile individuare il software predefinito per la gestione della posta "
    "elettronica.";
inline constexpr const char *kArchiveFailedTitle = "Invio e-mail non riuscito";
inline constexpr const char *kWindowFailedTitle = "Invio e-mail fallito";

}  // namespace MailMessages
