#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include "contactfiles/ContactDraft.h"

// Which column of a CSV file goes where, read from its header row. Known headers are the
// archive's own (the spreadsheet export's titles, the field names, the search criteria),
// those of the webmail address-book export ("Given Name", "Phone 1 - Type", ...) and those
// of the desktop mail program's export ("First Name", "Business Phone", ...); headers are
// compared without regard to case or surrounding blanks. Other columns are ignored.
class ColumnMapping {
public:
    enum class Role {
        Ignored,
        Direct,
        FullName,
        GivenName,
        FamilyName,
        Organization,
        JobTitle,
        Street,
        PostalCode,
        Town,
        Province,
        FormattedAddress,
        PhoneType,
        PhoneValue,
        Tel,
        Fax,
        Cel,
        Email,
        Web,
        Notes
    };
    struct Column {
        Role role = Role::Ignored;
        ContactRecord::Field field = ContactRecord::FieldCount;  // for Direct
        int index = 0;                                           // "Phone N - ..."
    };

    static ColumnMapping fromHeader(const QStringList &header);

    // True when some column gives the contact's name (else the file has no header this
    // program understands).
    bool recognised() const { return m_named; }
    // The headers that were understood, for the preview.
    int mappedColumns() const;
    const QList<Column> &columns() const { return m_columns; }

    // The contact of one data row (missing trailing cells are empty).
    ContactDraft draft(const QStringList &row) const;

private:
    QList<Column> m_columns;
    bool m_named = false;
};
