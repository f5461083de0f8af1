#pragma once

#include <QList>
#include <QString>

#include "archive/ContactRecord.h"

// A contact as another program describes it (a vCard, a row of an address-book export),
// before it becomes an archive record: names, address parts and typed telephone numbers.
struct ContactDraft {
    enum class PhoneKind { Tel, Fax, Cel };
    struct Phone {
        PhoneKind kind = PhoneKind::Tel;
        QString number;
    };

    QString fullName;
    QString givenName;
    QString familyName;
    QString organization;
    QString jobTitle;
    QString street;
    QString postalCode;
    QString town;
    QString province;
    QString formattedAddress;  // a whole address in lines, used when no part is given
    QList<Phone> phones;
    QString email;
    QString web;
    QString notes;
    QString vatNumber;

    // Values given directly for archive fields (the archive's own column names); they win
    // over the values built from the parts above.
    QString direct[ContactRecord::FieldCount];

    // Nothing but white space (an empty value too).
    static bool isBlank(const QString &s);

    // The kind a telephone type text names ("Mobile", "Work Fax", "CELL", ...).
    static PhoneKind kindOf(const QString &typeText);

    // The archive record: Persona o azienda is the full name, else given and family name,
    // else the organisation; Specialità the job title, else the organisation when it is not
    // the name already; Città "47121 Forlì (FC)"; the first number of each kind.
    ContactRecord toRecord() const;
};
