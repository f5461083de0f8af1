#pragma once

#include <QString>

// The password of the shared address book in the desktop's keyring (through QtKeychain:
// the Secret Service, KWallet, ...). Nothing is ever written to a file of ours, and no
// plain-text fallback is allowed: where no keyring answers, the calls fail and say so.
class PasswordKeyring {
public:
    static constexpr const char *kService = "Cartaflex";
    static constexpr const char *kNoKeyringText =
        "Nessun portachiavi del desktop risponde: la password non può essere conservata. "
        "Verrà chiesta a ogni sincronizzazione.";

    // The key of the password of `user` on the host of `address`.
    static QString keyFor(const QString &user, const QString &address);

    static bool store(const QString &key, const QString &password, QString *why = nullptr);
    static bool read(const QString &key, QString &password, QString *why = nullptr);
    static bool remove(const QString &key);

    // Where no keyring answers: a password given for this run only, kept in memory.
    static void keepForRun(const QString &key, const QString &password);
    static QString keptForRun(const QString &key);
};
