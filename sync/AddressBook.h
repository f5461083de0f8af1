#pragma once

#include <QString>
#include <QUrl>

// An address book found on the server.
struct AddressBook {
    QUrl url;
    QString name;  // its display name, else the last part of its address
};
