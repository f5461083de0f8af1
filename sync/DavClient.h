#pragma once

#include <QByteArray>
#include <QList>
#include <QNetworkAccessManager>
#include <QPair>
#include <QString>
#include <QUrl>

#include "sync/DavReply.h"

class QNetworkReply;

// HTTP for WebDAV over QNetworkAccessManager, one request at a time, waited for in a local
// event loop (a window stays responsive meanwhile).
//
// - The user name and password go with every request as Basic authentication, to the
//   host of the address set up only: after a redirect to another scheme, host or port
//   they are left out, and a redirect from https to http is refused.
// - Certificates are verified against the system's authorities. A certificate that fails
//   is refused, unless its SHA-256 fingerprint is the one pinned (a self-signed
//   certificate the user accepted); the fingerprint of a refused certificate is kept for
//   the question.
// - A reply larger than kMaxReplyBytes is abandoned, as is one that stalls longer than
//   kTimeoutMs.
class DavClient {
public:
    static constexpr qint64 kMaxReplyBytes = qint64(64) << 20;
    static constexpr int kTimeoutMs = 30000;
    static constexpr int kMaxRedirects = 5;

    using Headers = QList<QPair<QByteArray, QByteArray>>;

    DavClient();

    void setCredentials(const QString &user, const QString &password);
    // The origin (scheme, host, port) the credentials belong to.
    void setOrigin(const QUrl &url);
    // Hex SHA-256 of the certificate accepted although the authorities do not vouch for it.
    void setPinnedCertificate(const QByteArray &sha256Hex) { m_pinned = sha256Hex.toLower(); }

    DavReply send(const QByteArray &method, const QUrl &url, const QByteArray &body = {},
                  const Headers &headers = {});

    // Stops the request under way (it ends as cancelled) and every later one.
    void cancel();
    bool isCancelled() const { return m_cancelled; }

    // After a certificate refusal: the certificate's fingerprint (hex SHA-256).
    QByteArray refusedCertificate() const { return m_refused; }
    // Requests sent so far (redirects included).
    int requestCount() const { return m_requests; }

    static bool sameOrigin(const QUrl &a, const QUrl &b);
    static QByteArray fingerprintText(const QByteArray &sha256Hex);

private:
    DavReply sendOnce(const QByteArray &method, const QUrl &url, const QByteArray &body,
                      const Headers &headers, bool withCredentials);

    QNetworkAccessManager m_network;
    QString m_user;
    QString m_password;
    QUrl m_origin;
    QByteArray m_pinned;
    QByteArray m_refused;
    QNetworkReply *m_current = nullptr;
    bool m_cancelled = false;
    int m_requests = 0;
};
