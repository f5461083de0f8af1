#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QUrl>

#include "sync/AddressBook.h"
#include "sync/DavClient.h"
#include "sync/DavResponse.h"

// The CardDAV conversation (RFC 6352, 6578, 6764) over a DavClient: discovery of the
// address books, the listing of what changed, the fetching of cards and the conditional
// writes. Each call that fails leaves the reason, in the user's words, in error().
class CardDavServer {
public:
    explicit CardDavServer(DavClient &client) : m_client(client) {}

    // The address books reachable from `start`: an address book's own address gives that
    // one; a server's or a user's address is followed through /.well-known/carddav, the
    // current user principal and its address book home set.
    bool discover(const QUrl &start, QList<AddressBook> &found);

    // What the server holds or changed since `syncToken`.
    struct Listing {
        bool delta = false;      // only the changes since the token (gone ones: status 404)
        bool unchanged = false;  // the ctag says nothing changed: `cards` is empty
        QList<DavResponse> cards;
        QString syncToken;
        QByteArray ctag;
    };
    // With a token, the changes since it (sync-collection); a token the server no longer
    // knows, or a server without sync-collection, gives the whole listing (with the ctag
    // compared first, when `ctag` is given).
    bool list(const QUrl &book, const QString &syncToken, const QByteArray &ctag, Listing &listing);

    // The cards at `hrefs` with their ETags (addressbook-multiget, in batches); a card gone
    // meanwhile is left out.
    bool fetch(const QUrl &book, const QStringList &hrefs, QList<DavResponse> &cards);

    // PUT with If-None-Match: * (etag empty) or If-Match; DELETE with If-Match.
    DavReply put(const QUrl &card, const QByteArray &vcard, const QByteArray &etag);
    DavReply remove(const QUrl &card, const QByteArray &etag);

    QString error() const { return m_error; }
    // The reply status behind the last failure (401 for a refused password); 0 when none.
    int errorStatus() const { return m_errorStatus; }

    // The message for a reply that is not a success.
    static QString describe(const DavReply &reply, const QUrl &url);

    static constexpr int kBatch = 200;

private:
    bool propfind(const QUrl &url, int depth, const QByteArray &body, QList<DavResponse> &out,
                  QUrl *answered = nullptr);
    bool report(const QUrl &url, const QByteArray &body, class Multistatus &out, int *status);
    bool fail(const DavReply &reply, const QUrl &url);
    bool fullListing(const QUrl &book, const QByteArray &ctag, Listing &listing);

    DavClient &m_client;
    QString m_error;
    int m_errorStatus = 0;
};
