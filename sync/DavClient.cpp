#include "sync/DavClient.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QEventLoop>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSslCertificate>
#include <QSslConfiguration>
#include <QSslError>

DavClient::DavClient() {
    m_network.setRedirectPolicy(QNetworkRequest::ManualRedirectPolicy);
}

void DavClient::setCredentials(const QString &user, const QString &password) {
    m_user = user;
    m_password = password;
}

void DavClient::setOrigin(const QUrl &url) {
    m_origin = url;
}

bool DavClient::sameOrigin(const QUrl &a, const QUrl &b) {
    const int defaultA = a.scheme() == QLatin1String("https") ? 443 : 80;
    const int defaultB = b.scheme() == QLatin1String("https") ? 443 : 80;
    return a.scheme() == b.scheme() && a.host().compare(b.host(), Qt::CaseInsensitive) == 0 &&
           a.port(defaultA) == b.port(defaultB);
}

QByteArray DavClient::fingerprintText(const QByteArray &sha256Hex) {
    QByteArray out;
    for (qsizetype i = 0; i + 1 < sha256Hex.size(); i += 2) {
        if (!out.isEmpty()) out += ':';
        out += sha256Hex.mid(i, 2).toUpper();
    }
    return out;
}

void DavClient::cancel() {
    m_cancelled = true;
    if (m_current) m_current->abort();
}

DavReply DavClient::send(const QByteArray &method, const QUrl &url, const QByteArray &body,
                         const Headers &headers) {
    QUrl at = url;
    bool credentials = m_origin.isEmpty() || sameOrigin(at, m_origin);
    for (int hop = 0;; ++hop) {
        DavReply reply = sendOnce(method, at, body, headers, credentials);
        const bool redirect = reply.status == 301 || reply.status == 302 || reply.status == 303 ||
                              reply.status == 307 || reply.status == 308;
        if (!redirect || reply.url.isEmpty()) {
            if (!redirect) reply.url = at;
            return reply;
        }
        if (hop + 1 >= kMaxRedirects) {
            DavReply failed;
            failed.url = at;
            failed.error = QStringLiteral("Il server %1 rimanda ad altri indirizzi senza fine.")
                               .arg(url.host());
            return failed;
        }
        const QUrl next = reply.url;
        if (at.scheme() == QLatin1String("https") && next.scheme() != QLatin1String("https")) {
            DavReply failed;
            failed.url = at;
            failed.error =
                QStringLiteral("Il server %1 rimanda a un indirizzo non protetto (%2): rifiutato.")
                    .arg(at.host(), next.toDisplayString());
            return failed;
        }
        // Credentials never follow a redirect to another host.
        if (!sameOrigin(next, m_origin.isEmpty() ? url : m_origin)) credentials = false;
        at = next;
    }
}

DavReply DavClient::sendOnce(const QByteArray &method, const QUrl &url, const QByteArray &body,
                             const Headers &headers, bool withCredentials) {
    DavReply out;
    out.url = url;
    if (m_cancelled) {
        out.cancelled = true;
        out.error = QStringLiteral("Operazione annullata.");
        return out;
    }
    QNetworkRequest request(url);
    request.setTransferTimeout(kTimeoutMs);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::ManualRedirectPolicy);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute,
                         QNetworkRequest::AlwaysNetwork);
    request.setHeader(QNetworkRequest::UserAgentHeader, QByteArrayLiteral("Cartaflex"));
    bool typed = false;
    for (const auto &h : headers)
        typed |= h.first.compare("Content-Type", Qt::CaseInsensitive) == 0;
    if (!typed && !body.isEmpty())
        request.setHeader(QNetworkRequest::ContentTypeHeader,
                          QByteArrayLiteral("application/xml; charset=utf-8"));
    for (const auto &h : headers) request.setRawHeader(h.first, h.second);
    if (withCredentials && !m_user.isEmpty())
        request.setRawHeader("Authorization",
                             "Basic " + (m_user + u':' + m_password).toUtf8().toBase64());

    ++m_requests;
    QBuffer data;
    data.setData(body);
    data.open(QIODevice::ReadOnly);
    QNetworkReply *reply = m_network.sendCustomRequest(request, method, &data);
    m_current = reply;
    QByteArray received;
    bool tooLarge = false;
    QString certificateProblem;

    QObject::connect(reply, &QNetworkReply::readyRead, reply, [&] {
        received += reply->readAll();
        if (received.size() > kMaxReplyBytes) {
            tooLarge = true;
            reply->abort();
        }
    });
    QObject::connect(reply, &QNetworkReply::metaDataChanged, reply, [&] {
        const qint64 length = reply->header(QNetworkRequest::ContentLengthHeader).toLongLong();
        if (length > kMaxReplyBytes) {
            tooLarge = true;
            reply->abort();
        }
    });
    QObject::connect(reply, &QNetworkReply::sslErrors, reply, [&](const QList<QSslError> &errors) {
        const QSslCertificate certificate = reply->sslConfiguration().peerCertificate();
        const QByteArray digest = certificate.digest(QCryptographicHash::Sha256).toHex();
        if (!m_pinned.isEmpty() && digest == m_pinned) {
            reply->ignoreSslErrors(errors);
            return;
        }
        m_refused = digest;
        QStringList reasons;
        for (const QSslError &e : errors) reasons << e.errorString();
        certificateProblem = reasons.join(QStringLiteral("; "));
    });
    QEventLoop loop;
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    if (!reply->isFinished()) loop.exec();
    m_current = nullptr;
    if (!tooLarge) received += reply->readAll();

    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (tooLarge) {
        out.error = QStringLiteral("La risposta del server %1 è troppo grande.").arg(url.host());
    } else if (!certificateProblem.isEmpty()) {
        out.error = QStringLiteral("Il certificato del server %1 non è valido: %2.")
                        .arg(url.host(), certificateProblem);
    } else if (m_cancelled) {
        out.cancelled = true;
        out.error = QStringLiteral("Operazione annullata.");
    } else if (status == 0) {
        out.error = QStringLiteral("Impossibile raggiungere il server %1: %2.")
                        .arg(url.host(), reply->errorString());
    } else {
        out.status = status;
        out.body = received;
        out.etag = reply->rawHeader("ETag");
        const QByteArray location = reply->rawHeader("Location");
        if (status >= 300 && status <= 399) out.url = url.resolved(QUrl::fromEncoded(location));
    }
    reply->deleteLater();
    return out;
}
