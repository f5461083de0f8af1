#pragma once

#include <QByteArray>
#include <QString>

class SettingsFile;

// The shared address book's settings, in the section [Rubrica condivisa] of Cartaflex.ini:
// the server address as typed, the user name, the address book's address and the SHA-256
// fingerprint of a self-signed certificate the user accepted. Never the password.
struct SyncSettings {
    static constexpr const char *kSection = "Rubrica condivisa";
    static constexpr const char *kServer = "Server";
    static constexpr const char *kUser = "Utente";
    static constexpr const char *kBook = "Rubrica";
    static constexpr const char *kCertificate = "Certificato";

    QString server;
    QString user;
    QString book;
    QByteArray certificate;

    bool configured() const { return !book.isEmpty() && !user.isEmpty(); }

    static SyncSettings read(const SettingsFile &file);
    // False when the file could not be written (it is then as it was).
    bool write(SettingsFile &file) const;
};
