#pragma once

#include <QByteArray>
#include <QString>

// The shared address book's messages, in the user's words.
namespace SyncMessages {

inline QString badAddress(const QString &typed) {
    return QStringLiteral("L'indirizzo %1 non è l'indirizzo di un server.").arg(typed);
}
inline QString plainHttp(const QString &host) {
    return QStringLiteral(
               "Attenzione: il collegamento con %1 non è cifrato (http://): nome utente, "
               "password e contatti viaggiano in chiaro sulla rete.")
        .arg(host);
}
QString acceptCertificate(const QString &host, const QByteArray &sha256Hex);
inline QString certificateRefused(const QString &host) {
    return QStringLiteral("Il certificato del server %1 non è stato accettato.").arg(host);
}
inline QString bookNotFound(const QString &address) {
    return QStringLiteral("La rubrica %1 non è tra quelle trovate sul server.").arg(address);
}
inline QString chooseBook() {
    return QStringLiteral("Il server offre più rubriche: sceglierne una con --addressbook.");
}
inline QString settingsNotWritten(const QString &path) {
    return QStringLiteral("Impossibile scrivere le impostazioni nel file %1.").arg(path);
}
inline QString notConfigured() {
    return QStringLiteral("La rubrica condivisa non è impostata.");
}
inline QString usePasswordStdin() {
    return QStringLiteral("Dare la password con --password-stdin.");
}
inline QString conflictLine(const QString &name) {
    return QStringLiteral("cambiato da entrambe le parti\t%1").arg(name);
}
inline QString conflictsLeft(int count) {
    return QStringLiteral(
               "%1 contatti cambiati da entrambe le parti sono rimasti come sono su ciascuna "
               "parte: scegliere con --prefer server o --prefer local.")
        .arg(count);
}
inline QString dryRunDone() {
    return QStringLiteral("Prova: non è stato modificato nulla.");
}

}  // namespace SyncMessages
