// sync-setup, sync: the shared address book from the terminal.
#include <QUrl>
#include <iostream>
#include <string>

#include "archive/ArchiveStore.h"
#include "archive/SettingsFile.h"
#include "cli/CliIo.h"
#include "cli/CliRegistry.h"
#include "sync/CardDavServer.h"
#include "sync/DavClient.h"
#include "sync/PasswordKeyring.h"
#include "sync/SyncMessages.h"
#include "sync/SyncSession.h"
#include "sync/SyncSettings.h"

namespace {

// One line of standard input, without its line end; false at its end.
bool readLine(QString &line) {
    std::string text;
    if (!std::getline(std::cin, text)) return false;
    line = QString::fromStdString(text);
    if (line.endsWith(u'\r')) line.chop(1);
    return true;
}

bool yes(const QString &question) {
    CliIo::err(question + QStringLiteral(" (s/n)"));
    QString answer;
    if (!readLine(answer)) return false;
    answer = answer.trimmed().toLower();
    return answer == QLatin1String("s") || answer == QLatin1String("si") ||
           answer == QStringLiteral("sì") || answer == QLatin1String("y");
}

// The address as typed, with https:// when no scheme is given.
QUrl addressOf(const QString &typed) {
    return QUrl::fromUserInput(
        typed.contains(QLatin1String("://")) ? typed : QStringLiteral("https://") + typed);
}

QString lineFor(const SyncAction &a) {
    const bool server = a.kind == SyncAction::PushNew || a.kind == SyncAction::PushUpdate ||
                        a.kind == SyncAction::PushDelete;
    const char *what = a.kind == SyncAction::PushNew || a.kind == SyncAction::PullNew ? "aggiunto"
                       : a.kind == SyncAction::PushDelete || a.kind == SyncAction::PullDelete
                           ? "eliminato"
                           : "modificato";
    const QString name = a.local.titolo().isEmpty() ? a.server.titolo() : a.local.titolo();
    return QString::fromLatin1(server ? "server" : "archivio") + u'\t' + QString::fromLatin1(what) +
           u'\t' + CliIo::oneLine(name);
}

int syncSetup(const QStringList &args) {
    QStringList rest = args;
    QString chosen;
    const int at = int(rest.indexOf(QStringLiteral("--addressbook")));
    if (at >= 0) {
        if (at + 1 >= rest.size())
            return CliIo::usage(QStringLiteral("--addressbook vuole l'indirizzo di una rubrica"));
        chosen = rest.at(at + 1);
        rest.remove(at, 2);
    }
    if (rest.size() != 2 || rest.first().startsWith(QLatin1String("--")))
        return CliIo::usage(QStringLiteral("sync-setup vuole l'indirizzo e il nome utente"));
    const QUrl address = addressOf(rest.at(0));
    if (!address.isValid() || address.host().isEmpty() ||
        (address.scheme() != QLatin1String("https") && address.scheme() != QLatin1String("http")))
        return CliIo::fail(SyncMessages::badAddress(rest.at(0)));
    if (address.scheme() == QLatin1String("http"))
        CliIo::err(SyncMessages::plainHttp(address.host()));
    QString password;
    readLine(password);

    SettingsFile settingsFile;
    SyncSettings settings = SyncSettings::read(settingsFile);
    DavClient client;
    client.setCredentials(rest.at(1), password);
    client.setOrigin(address);
    if (QUrl(settings.book).host() == address.host())
        client.setPinnedCertificate(settings.certificate);
    CardDavServer server(client);
    QList<AddressBook> books;
    if (!server.discover(address, books)) {
        if (client.refusedCertificate().isEmpty()) return CliIo::fail(server.error());
        // A certificate no authority vouches for: accepted only on the user's word.
        CliIo::err(server.error());
        const QByteArray fingerprint = client.refusedCertificate();
        if (!yes(SyncMessages::acceptCertificate(address.host(), fingerprint)))
            return CliIo::fail(SyncMessages::certificateRefused(address.host()));
        settings.certificate = fingerprint;
        client.setPinnedCertificate(fingerprint);
        if (!server.discover(address, books)) return CliIo::fail(server.error());
    }
    const AddressBook *book = nullptr;
    if (!chosen.isEmpty()) {
        const QUrl wanted = address.resolved(QUrl(chosen));
        for (const AddressBook &b : books)
            if (b.url.path() == wanted.path() || b.url.path() == wanted.path() + u'/') book = &b;
        if (!book) {
            for (const AddressBook &b : books) CliIo::err(b.url.toString() + u'\t' + b.name);
            return CliIo::fail(SyncMessages::bookNotFound(chosen));
        }
    } else if (books.size() == 1) {
        book = &books.first();
    } else {
        for (const AddressBook &b : books) CliIo::out(b.url.toString() + u'\t' + b.name);
        return CliIo::fail(SyncMessages::chooseBook());
    }
    settings.server = rest.at(0);
    settings.user = rest.at(1);
    settings.book = book->url.toString();
    if (!settings.write(settingsFile))
        return CliIo::fail(SyncMessages::settingsNotWritten(settingsFile.filePath()));
    QString why;
    if (!PasswordKeyring::store(PasswordKeyring::keyFor(settings.user, settings.book), password,
                                &why))
        CliIo::err(why);
    CliIo::out(book->url.toString() + u'\t' + book->name);
    return 0;
}

int sync(const QStringList &args) {
    QStringList rest = args;
    SyncSession::Options options;
    options.dryRun = rest.removeAll(QStringLiteral("--dry-run")) > 0;
    const bool passwordStdin = rest.removeAll(QStringLiteral("--password-stdin")) > 0;
    const int at = int(rest.indexOf(QStringLiteral("--prefer")));
    if (at >= 0) {
        const QString side = rest.value(at + 1);
        if (side == QLatin1String("server"))
            options.prefer = SyncPlan::Prefer::Server;
        else if (side == QLatin1String("local"))
            options.prefer = SyncPlan::Prefer::Local;
        else
            return CliIo::usage(QStringLiteral("--prefer vuole server o local"));
        rest.remove(at, 2);
    }
    if (!rest.isEmpty())
        return CliIo::usage(QStringLiteral("argomento sconosciuto: ") + rest.first());

    const SyncSettings settings = SyncSettings::read(SettingsFile());
    if (!settings.configured()) return CliIo::fail(SyncMessages::notConfigured());
    QString password;
    if (passwordStdin) {
        readLine(password);
    } else {
        QString why;
        if (!PasswordKeyring::read(PasswordKeyring::keyFor(settings.user, settings.book), password,
                                   &why))
            return CliIo::fail(why + u' ' + SyncMessages::usePasswordStdin());
    }
    const QUrl book(settings.book);
    DavClient client;
    client.setCredentials(settings.user, password);
    client.setOrigin(book);
    client.setPinnedCertificate(settings.certificate);
    ArchiveStore store;
    SyncSession session(store, client, book);
    SyncSession::Callbacks callbacks;
    callbacks.confirm = yes;
    callbacks.changed = [](const SyncAction &a) { CliIo::out(lineFor(a)); };
    const SyncSession::Outcome outcome = session.run(options, callbacks);
    if (outcome != SyncSession::Outcome::Done) return CliIo::fail(session.error());
    for (const QString &name : session.conflicts()) CliIo::err(SyncMessages::conflictLine(name));
    if (options.dryRun && !session.question().isEmpty())
        CliIo::err(session.question() + QStringLiteral(" La sincronizzazione chiederà conferma."));
    if (options.dryRun)
        CliIo::out(SyncMessages::dryRunDone());
    else
        CliIo::out(session.summary().text());
    if (!session.conflicts().isEmpty())
        return CliIo::fail(SyncMessages::conflictsLeft(int(session.conflicts().size())));
    return 0;
}

const CliRegistry::Entry kSyncSetup("sync-setup", "sync-setup URL UTENTE [--addressbook URL]",
                                    syncSetup);
const CliRegistry::Entry kSync("sync",
                               "sync [--dry-run] [--prefer server|local] [--password-stdin]", sync);

}  // namespace
