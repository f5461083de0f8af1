#include "sync/Multistatus.h"

#include <QUrl>
#include <QXmlStreamReader>

namespace {

const QString kDav = QStringLiteral("DAV:");
const QString kCardDav = QStringLiteral("urn:ietf:params:xml:ns:carddav");
const QString kCalendarServer = QStringLiteral("http://calendarserver.org/ns/");

bool is(const QXmlStreamReader &xml, const QString &ns, QLatin1StringView name) {
    return xml.namespaceUri() == ns && xml.name() == name;
}

// The text of the current element (its children's text too), bounded.
QString textOf(QXmlStreamReader &xml, bool *tooLong) {
    QString text;
    int depth = 1;
    while (depth > 0 && !xml.atEnd()) {
        switch (xml.readNext()) {
            case QXmlStreamReader::StartElement:
                ++depth;
                break;
            case QXmlStreamReader::EndElement:
                --depth;
                break;
            case QXmlStreamReader::Characters:
                text += xml.text();
                if (text.size() > Multistatus::kMaxValueBytes) *tooLong = true;
                if (*tooLong) return QString();
                break;
            default:
                break;
        }
    }
    return text;
}

// The first <href> inside the current element.
QString hrefIn(QXmlStreamReader &xml, bool *tooLong) {
    QString href;
    int depth = 1;
    while (depth > 0 && !xml.atEnd()) {
        const auto token = xml.readNext();
        if (token == QXmlStreamReader::StartElement) {
            if (href.isEmpty() && is(xml, kDav, QLatin1StringView("href"))) {
                href = textOf(xml, tooLong).trimmed();
                continue;
            }
            ++depth;
        } else if (token == QXmlStreamReader::EndElement) {
            --depth;
        }
    }
    return href;
}

QString decodedHref(const QString &raw) {
    return QUrl::fromPercentEncoding(raw.trimmed().toUtf8());
}

}  // namespace

int Multistatus::statusCode(QStringView line) {
    // "HTTP/1.1 200 OK"
    const QStringView rest = line.trimmed();
    const qsizetype space = rest.indexOf(u' ');
    if (space < 0) return 0;
    // Exactly three digits: "-12", "+99" or " 20" are no status.
    const QStringView digits = rest.mid(space + 1, 3);
    if (digits.size() != 3) return 0;
    int code = 0;
    for (QChar c : digits) {
        if (c < u'0' || c > u'9') return 0;
        code = code * 10 + (c.unicode() - u'0');
    }
    return code;
}

bool Multistatus::parse(const QByteArray &bytes) {
    responses.clear();
    syncToken.clear();
    error.clear();
    QXmlStreamReader xml(bytes);
    bool tooLong = false;
    bool root = false;
    while (!xml.atEnd() && !tooLong) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        if (!root) {
            if (!is(xml, kDav, QLatin1StringView("multistatus"))) {
                error = QStringLiteral("la risposta del server non è un elenco WebDAV");
                return false;
            }
            root = true;
            continue;
        }
        if (is(xml, kDav, QLatin1StringView("sync-token"))) {
            syncToken = textOf(xml, &tooLong).trimmed();
            continue;
        }
        if (!is(xml, kDav, QLatin1StringView("response"))) continue;
        if (responses.size() >= kMaxResponses) {
            error = QStringLiteral("la risposta del server è troppo grande");
            return false;
        }
        DavResponse r;
        // Properties are taken from the propstat blocks whose status is 2xx only.
        DavResponse found;
        int depth = 1;
        while (depth > 0 && !xml.atEnd() && !tooLong) {
            const auto token = xml.readNext();
            if (token == QXmlStreamReader::EndElement) {
                --depth;
                continue;
            }
            if (token != QXmlStreamReader::StartElement) continue;
            if (depth == 1 && is(xml, kDav, QLatin1StringView("href"))) {
                r.href = decodedHref(textOf(xml, &tooLong));
            } else if (depth == 1 && is(xml, kDav, QLatin1StringView("status"))) {
                r.status = statusCode(textOf(xml, &tooLong));
            } else if (depth == 1 && is(xml, kDav, QLatin1StringView("propstat"))) {
                DavResponse props;
                int status = 0;
                int inner = 1;
                while (inner > 0 && !xml.atEnd() && !tooLong) {
                    const auto t = xml.readNext();
                    if (t == QXmlStreamReader::EndElement) {
                        --inner;
                        continue;
                    }
                    if (t != QXmlStreamReader::StartElement) continue;
                    if (is(xml, kDav, QLatin1StringView("status"))) {
                        status = statusCode(textOf(xml, &tooLong));
                    } else if (is(xml, kDav, QLatin1StringView("getetag"))) {
                        props.etag = textOf(xml, &tooLong).trimmed().toUtf8();
                    } else if (is(xml, kDav, QLatin1StringView("displayname"))) {
                        props.displayName = textOf(xml, &tooLong).trimmed();
                    } else if (is(xml, kDav, QLatin1StringView("collection"))) {
                        props.collection = true;
                        ++inner;
                    } else if (is(xml, kCardDav, QLatin1StringView("addressbook"))) {
                        props.addressBook = true;
                        ++inner;
                    } else if (is(xml, kDav, QLatin1StringView("current-user-principal"))) {
                        props.principal = decodedHref(hrefIn(xml, &tooLong));
                    } else if (is(xml, kCardDav, QLatin1StringView("addressbook-home-set"))) {
                        props.homeSet = decodedHref(hrefIn(xml, &tooLong));
                    } else if (is(xml, kCalendarServer, QLatin1StringView("getctag"))) {
                        props.ctag = textOf(xml, &tooLong).trimmed().toUtf8();
                    } else if (is(xml, kDav, QLatin1StringView("sync-token"))) {
                        props.syncToken = textOf(xml, &tooLong).trimmed();
                    } else if (is(xml, kCardDav, QLatin1StringView("address-data"))) {
                        props.addressData = textOf(xml, &tooLong).toUtf8();
                    } else {
                        ++inner;
                    }
                }
                // The propstat's end was read by the inner loop.
                if (status < 200 || status > 299) continue;
                if (!props.etag.isEmpty()) found.etag = props.etag;
                if (!props.displayName.isEmpty()) found.displayName = props.displayName;
                found.collection |= props.collection;
                found.addressBook |= props.addressBook;
                if (!props.principal.isEmpty()) found.principal = props.principal;
                if (!props.homeSet.isEmpty()) found.homeSet = props.homeSet;
                if (!props.ctag.isEmpty()) found.ctag = props.ctag;
                if (!props.syncToken.isEmpty()) found.syncToken = props.syncToken;
                if (!props.addressData.isEmpty()) found.addressData = props.addressData;
            } else {
                ++depth;
            }
        }
        found.href = r.href;
        found.status = r.status;
        responses.append(found);
    }
    if (tooLong) {
        error = QStringLiteral("la risposta del server contiene un valore troppo lungo");
        return false;
    }
    if (!root && bytes.trimmed().isEmpty()) {
        error = QStringLiteral("la risposta del server è vuota");
        return false;
    }
    if (xml.hasError()) {
        error =
            QStringLiteral("la risposta del server non è XML valido (%1)").arg(xml.errorString());
        return false;
    }
    if (!root) {
        error = QStringLiteral("la risposta del server è vuota");
        return false;
    }
    return true;
}
