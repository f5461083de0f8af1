#include "sync/CardDavServer.h"

#include "sync/Multistatus.h"

namespace {

const QByteArray kDiscoveryBody = QByteArrayLiteral(
    "<?xml version=\"1.0\" encoding=\"utf-8\"?>"
    "<D:propfind xmlns:D=\"DAV:\" xmlns:C=\"urn:ietf:params:xml:ns:carddav\"><D:prop>"
    "<D:resourcetype/><D:displayname/><D:current-user-principal/><C:addressbook-home-set/>"
    "</D:prop></D:propfind>");

const QByteArray kEtagsBody = QByteArrayLiteral(
    "<?xml version=\"1.0\" encoding=\"utf-8\"?>"
    "<D:propfind xmlns:D=\"DAV:\" xmlns:CS=\"http://calendarserver.org/ns/\"><D:prop>"
    "<D:resourcetype/><D:getetag/><CS:getctag/><D:sync-token/></D:prop></D:propfind>");

const QByteArray kCtagBody = QByteArrayLiteral(
    "<?xml version=\"1.0\" encoding=\"utf-8\"?>"
    "<D:propfind xmlns:D=\"DAV:\" xmlns:CS=\"http://calendarserver.org/ns/\"><D:prop>"
    "<CS:getctag/></D:prop></D:propfind>");

QByteArray xmlEscaped(const QString &text) {
    return text.toHtmlEscaped().toUtf8();
}

QByteArray syncCollectionBody(const QString &token) {
    return "<?xml version=\"1.0\" encoding=\"utf-8\"?>"
           "<D:sync-collection xmlns:D=\"DAV:\"><D:sync-token>" +
           xmlEscaped(token) +
           "</D:sync-token><D:sync-level>1</D:sync-level><D:prop><D:getetag/></D:prop>"
           "</D:sync-collection>";
}

QString lastPart(const QUrl &url) {
    const QStringList parts = url.path().split(u'/', Qt::SkipEmptyParts);
    return parts.isEmpty() ? url.host() : parts.last();
}

QUrl asFolder(QUrl url) {
    if (!url.path().endsWith(u'/')) url.setPath(url.path() + u'/');
    return url;
}

// Whether a listed href is the collection itself.
bool isSelf(const QUrl &book, const QString &href) {
    const QUrl resolved = book.resolved(QUrl(href));
    return asFolder(resolved).path() == asFolder(book).path();
}

}  // namespace

QString CardDavServer::describe(const DavReply &reply, const QUrl &url) {
    if (reply.status == 0) return reply.error;
    switch (reply.status) {
        case 401:
            return QStringLiteral("Il server %1 non accetta il nome utente o la password.")
                .arg(url.host());
        case 403:
            return QStringLiteral("Il server %1 non consente l'accesso a %2.")
                .arg(url.host(), url.path());
        case 404:
            return QStringLiteral("L'indirizzo %1 non esiste sul server.")
                .arg(url.toDisplayString());
        default:
            return QStringLiteral("Il server %1 ha risposto con l'errore %2 per %3.")
                .arg(url.host())
                .arg(reply.status)
                .arg(url.path());
    }
}

bool CardDavServer::fail(const DavReply &reply, const QUrl &url) {
    m_errorStatus = reply.status;
    m_error = describe(reply, url);
    return false;
}

bool CardDavServer::propfind(const QUrl &url, int depth, const QByteArray &body,
                             QList<DavResponse> &out, QUrl *answered) {
    const DavReply reply =
        m_client.send("PROPFIND", url, body, {{"Depth", QByteArray::number(depth)}});
    if (reply.status != 207) return fail(reply, url);
    Multistatus ms;
    if (!ms.parse(reply.body)) {
        m_errorStatus = 0;
        m_error = QStringLiteral("Il server %1 risponde in modo incomprensibile: %2.")
                      .arg(url.host(), ms.error);
        return false;
    }
    out = ms.responses;
    if (answered) *answered = reply.url;
    return true;
}

bool CardDavServer::report(const QUrl &url, const QByteArray &body, Multistatus &out, int *status) {
    const DavReply reply = m_client.send("REPORT", url, body, {{"Depth", "1"}});
    *status = reply.status;
    if (reply.status != 207) return fail(reply, url);
    if (!out.parse(reply.body)) {
        m_errorStatus = 0;
        m_error = QStringLiteral("Il server %1 risponde in modo incomprensibile: %2.")
                      .arg(url.host(), out.error);
        return false;
    }
    return true;
}

bool CardDavServer::discover(const QUrl &start, QList<AddressBook> &found) {
    found.clear();
    m_error.clear();
    QList<QUrl> tries;
    if (start.path().isEmpty() || start.path() == QLatin1String("/")) {
        QUrl wellKnown = start;
        wellKnown.setPath(QStringLiteral("/.well-known/carddav"));
        tries << wellKnown;
    }
    tries << start;
    QList<DavResponse> responses;
    QUrl at;
    bool reached = false;
    for (const QUrl &url : tries) {
        if (propfind(url, 0, kDiscoveryBody, responses, &at) && !responses.isEmpty()) {
            reached = true;
            break;
        }
        if (m_errorStatus == 401 || m_errorStatus == 0) return false;
    }
    if (!reached) return false;
    const DavResponse &first = responses.first();
    if (first.addressBook) {
        found << AddressBook{asFolder(at),
                             first.displayName.isEmpty() ? lastPart(at) : first.displayName};
        return true;
    }
    QString home = first.homeSet;
    if (home.isEmpty() && !first.principal.isEmpty()) {
        const QUrl principal = at.resolved(QUrl(first.principal));
        if (!propfind(principal, 0, kDiscoveryBody, responses, &at) || responses.isEmpty())
            return false;
        home = responses.first().homeSet;
    }
    if (home.isEmpty()) {
        m_error = QStringLiteral("Il server %1 non indica nessuna rubrica per questo utente.")
                      .arg(start.host());
        return false;
    }
    const QUrl homeUrl = asFolder(at.resolved(QUrl(home)));
    if (!propfind(homeUrl, 1, kDiscoveryBody, responses, &at)) return false;
    for (const DavResponse &r : responses) {
        if (!r.addressBook) continue;
        const QUrl url = asFolder(homeUrl.resolved(QUrl(r.href)));
        found << AddressBook{url, r.displayName.isEmpty() ? lastPart(url) : r.displayName};
    }
    if (found.isEmpty()) {
        m_error = QStringLiteral("Sul server %1 non c'è nessuna rubrica per questo utente.")
                      .arg(start.host());
        return false;
    }
    return true;
}

bool CardDavServer::fullListing(const QUrl &book, const QByteArray &ctag, Listing &listing) {
    listing = Listing{};
    QList<DavResponse> responses;
    if (!ctag.isEmpty()) {
        // One small request tells whether anything changed at all.
        if (!propfind(book, 0, kCtagBody, responses)) return false;
        if (!responses.isEmpty() && responses.first().ctag == ctag) {
            listing.unchanged = true;
            listing.ctag = ctag;
            return true;
        }
    }
    if (!propfind(book, 1, kEtagsBody, responses)) return false;
    for (const DavResponse &r : responses) {
        if (isSelf(book, r.href)) {
            listing.ctag = r.ctag;
            listing.syncToken = r.syncToken;
            continue;
        }
        if (r.collection) continue;
        listing.cards << r;
    }
    return true;
}

bool CardDavServer::list(const QUrl &book, const QString &syncToken, const QByteArray &ctag,
                         Listing &listing) {
    listing = Listing{};
    m_error.clear();
    Multistatus ms;
    int status = 0;
    if (report(book, syncCollectionBody(syncToken), ms, &status)) {
        listing.delta = !syncToken.isEmpty();
        listing.syncToken = ms.syncToken;
        for (const DavResponse &r : ms.responses)
            if (!isSelf(book, r.href)) listing.cards << r;
        return true;
    }
    // 401 and a missing address book end here; a token the server forgot (403 or 409
    // with valid-sync-token) or no sync-collection at all fall back to the listing.
    if (status == 0 || status == 401 || status == 404) return false;
    if (!syncToken.isEmpty()) {
        if (report(book, syncCollectionBody(QString()), ms, &status)) {
            listing.syncToken = ms.syncToken;
            for (const DavResponse &r : ms.responses)
                if (!isSelf(book, r.href)) listing.cards << r;
            return true;
        }
        if (status == 0 || status == 401 || status == 404) return false;
    }
    return fullListing(book, ctag, listing);
}

bool CardDavServer::fetch(const QUrl &book, const QStringList &hrefs, QList<DavResponse> &cards) {
    cards.clear();
    for (qsizetype at = 0; at < hrefs.size(); at += kBatch) {
        QByteArray body =
            "<?xml version=\"1.0\" encoding=\"utf-8\"?>"
            "<C:addressbook-multiget xmlns:D=\"DAV:\" xmlns:C=\"urn:ietf:params:xml:ns:carddav\">"
            "<D:prop><D:getetag/><C:address-data/></D:prop>";
        for (const QString &href : hrefs.mid(at, kBatch)) {
            const QUrl url = book.resolved(QUrl(href));
            body += "<D:href>" +
                    xmlEscaped(QString::fromUtf8(url.path(QUrl::FullyEncoded).toUtf8())) +
                    "</D:href>";
        }
        body += "</C:addressbook-multiget>";
        Multistatus ms;
        int status = 0;
        if (!report(book, body, ms, &status)) return false;
        for (const DavResponse &r : ms.responses)
            if (r.status >= 200 && r.status <= 299 && !r.addressData.isEmpty()) cards << r;
    }
    return true;
}

DavReply CardDavServer::put(const QUrl &card, const QByteArray &vcard, const QByteArray &etag) {
    DavClient::Headers headers{{"Content-Type", "text/vcard; charset=utf-8"}};
    if (etag.isEmpty())
        headers.append(qMakePair(QByteArray("If-None-Match"), QByteArray("*")));
    else
        headers.append(qMakePair(QByteArray("If-Match"), etag));
    return m_client.send("PUT", card, vcard, headers);
}

DavReply CardDavServer::remove(const QUrl &card, const QByteArray &etag) {
    DavClient::Headers headers;
    if (!etag.isEmpty()) headers.append(qMakePair(QByteArray("If-Match"), etag));
    return m_client.send("DELETE", card, {}, headers);
}
