#pragma once

#include <QList>
#include <QString>

#include "archive/ContactRecord.h"

// A contact as another program describes it (a vCard, a row of an address-book export),
// before it becomes an archive record: names, address parts and typed telephone numbers.
struct ContactDraft {
    // Other: a pager, a text-only or an "other" number, used only when there is no better.
    enum class PhoneKind { Tel, Fax, Cel, Other };
    struct Phone {
        PhoneKind kind = PhoneKind::Tel;
        QString number;
    };
    struct Address {
        QString street;
        QString extended;  // second street line, suite, building, "c/o"
        QString postalCode;
        QString town;
        QString province;
        bool isEmpty() const;
    };

    QString fullName;
    QString prefix;  // a courtesy title ("Sig.", "Dott.", "Mr.")
    QString givenName;
    QString middleName;
    QString familyName;
    QString suffix;
    QString organization;
    QString jobTitle;
    Address workAddress;
    Address address;           // home or of no kind, used when there is no work address
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

    // The kind a telephone type text names ("Mobile", "Work Fax", "CELL", "Pager", ...).
    static PhoneKind kindOf(const QString &typeText);

    // The archive record: Persona o azienda is the full name when it fits, else the name
    // built from its parts, else the organisation, else the e-mail address; Specialità the
    // job title and the organisation; Città "47121 Forlì (FC)"; the first number of each
    // kind. Letters the archive cannot hold become the nearest plain ones; `changed`, when
    // given, gets each such letter once.
    ContactRecord toRecord(QString *changed = nullptr) const;
};
