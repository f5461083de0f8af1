#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include "contactfiles/ContactDraft.h"

// Which column of a CSV file goes where, read from its header row. Known headers are the
// archive's own (the spreadsheet export's titles, the field names, the search criteria)
// and those of the address-book exports of the common mail programs and of the webmail,
// in English and in Italian, as the programs write them; headers are compared without
// regard to case or surrounding blanks. Other columns are ignored. The header also tells
// whose export the file is (layout()).
class ColumnMapping {
public:
    enum class Role {
        Ignored,
        Direct,
        FullName,
        Prefix,
        GivenName,
        MiddleName,
        FamilyName,
        Suffix,
        Organization,
        JobTitle,
        Street,
        Extended,
        PostalCode,
        Town,
        Province,
        FormattedAddress,
        PhoneType,
        PhoneValue,
        Tel,
        Fax,
        Cel,
        OtherPhone,
        Email,
        Web,
        Notes
    };
    struct Column {
        Role role = Role::Ignored;
        ContactRecord::Field field = ContactRecord::FieldCount;  // for Direct
        int index = 0;                                           // "Phone N - ..."
        bool work = false;  // an address part of the work address
    };

    static ColumnMapping fromHeader(const QStringList &header);

    // True when some column gives the contact's name or e-mail (else the file has no
    // header this program understands).
    bool recognised() const { return m_named; }
    // The program whose export the header is ("Thunderbird (in italiano)"), or empty.
    QString layout() const { return m_layout; }
    // The headers that were understood, for the preview.
    int mappedColumns() const;
    const QList<Column> &columns() const { return m_columns; }

    // The contact of one data row (missing trailing cells are empty).
    ContactDraft draft(const QStringList &row) const;

private:
    QList<Column> m_columns;
    bool m_named = false;
    QString m_layout;
};
