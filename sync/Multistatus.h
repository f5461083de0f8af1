#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include "sync/DavResponse.h"

// A WebDAV multistatus reply (RFC 4918) read with QXmlStreamReader: its responses and, for a
// sync-collection report (RFC 6578), the new sync token. Unknown elements are skipped; a
// reply that is not well-formed XML, or whose root is not DAV:multistatus, is refused with
// the reason in `error`. Reading stops at kMaxResponses responses (a reply that large is
// refused) and no value is kept longer than kMaxValueBytes.
class Multistatus {
public:
    static constexpr int kMaxResponses = 200000;
    static constexpr qsizetype kMaxValueBytes = 4 << 20;

    bool parse(const QByteArray &xml);

    QList<DavResponse> responses;
    QString syncToken;
    QString error;

    // The status code of an "HTTP/1.1 404 Not Found" line; 0 when unreadable.
    static int statusCode(QStringView line);
};
