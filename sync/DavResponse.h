#pragma once

#include <QByteArray>
#include <QString>

// One <response> of a WebDAV multistatus reply, with the properties this program asks for.
// A property the server does not have (a propstat other than 2xx) stays empty.
struct DavResponse {
    QString href;         // as the server wrote it, percent-decoded
    int status = 200;     // the response's own status (404: gone, in a sync report)
    QByteArray etag;      // getetag, quotes kept
    QString displayName;  // displayname
    bool collection = false;
    bool addressBook = false;  // resourcetype holds CARDDAV:addressbook
    QString principal;         // current-user-principal/href
    QString homeSet;           // CARDDAV:addressbook-home-set/href (the first)
    QByteArray ctag;           // getctag of the calendarserver namespace
    QString syncToken;         // sync-token as a property
    QByteArray addressData;    // CARDDAV:address-data, the vCard text in UTF-8
};
