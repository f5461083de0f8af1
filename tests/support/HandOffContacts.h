#pragma once

#include <QColor>
#include <QSize>
#include <QString>

#include "archive/ContactRecord.h"

// Contacts and logo pictures for the tests that hand a found contact to a window.
class HandOffContacts {
public:
    // A contact whose every field is filled and marked with `tag` ("Ramo 1", "Via 1"...);
    // the VAT number ends with the tag's last character.
    static ContactRecord full(const QString &name, const QString &tag);
    // Writes a plain picture of one colour; false when it cannot be written.
    static bool writePicture(const QString &path, const QColor &colour, QSize size = QSize(16, 12));
};
