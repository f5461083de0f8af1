#pragma once

#include <QByteArray>
#include <QString>
#include <QUrl>

// What one WebDAV request got: the HTTP status and body, or, when no answer came, the
// reason in the user's words.
struct DavReply {
    int status = 0;  // 0: no HTTP answer (network, certificate, size, cancelled)
    QByteArray body;
    QByteArray etag;  // the ETag header, quotes kept
    QUrl url;         // the address that answered, after redirects
    QString error;    // set when status is 0
    bool cancelled = false;

    bool ok() const { return status >= 200 && status <= 299; }
};
