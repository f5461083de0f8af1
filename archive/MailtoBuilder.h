#pragma once

#include <QString>

// Builds the "mailto:" requests handed to the user's mail program.
//
// The parameters come in a fixed order and spelling ("Subject", "Body", "CC", "BCC"); a
// value that is exactly empty is left out, and the first parameter starts with "?".
// Values are percent-encoded (UTF-8) except for the characters that can never change
// the meaning of a request, so "&", "?", "#", "%", blanks and line breaks inside a value
// stay part of it, while a plain value (letters, digits, "@", ".", "-") is written as
// it is. Line breaks in a body are sent as CR LF ("%0D%0A"), as mail programs expect.
class MailtoBuilder {
public:
    static QString build(const QString &recipient, const QString &subject, const QString &body,
                         const QString &copy, const QString &blindCopy);

    // The value as it goes into the request.
    static QString encodeValue(const QString &value, bool isBody = false);
    // The recipient part (several addresses are separated by ",", which is kept).
    static QString encodeAddress(const QString &address);

    // The archive window's greeting: "Spett.le " + name + "," or "Salve," without a name.
    static QString greeting(const QString &name);
    // The archive window's request to a contact: its address and the greeting as body.
    static QString forContact(const QString &name, const QString &address);
};

// The e-mail request builder shared by the archive window and the e-mail window.
inline QString BuildMailto(const QString &recipient, const QString &subject, const QString &body,
                           const QString &copy, const QString &blindCopy) {
    return MailtoBuilder::build(recipient, subject, body, copy, blindCopy);
}
