#include "contactlist/ListColumns.h"

QString ListColumns::title(Column column) {
    switch (column) {
        case Number:
            return QStringLiteral("N.");
        case Titolo:
            return QStringLiteral("Persona o azienda");
        case Sottotitolo:
            return QStringLiteral("Specialità");
        case Citta:
            return QStringLiteral("Città");
        case Tel:
            return QStringLiteral("Telefono");
        case Cel:
            return QStringLiteral("Cellulare");
        case Email:
            return QStringLiteral("E-mail");
        case Iva:
            return QStringLiteral("Partita IVA");
        case Count:
            break;
    }
    return QString();
}

ContactRecord::Field ListColumns::field(Column column) {
    switch (column) {
        case Titolo:
            return ContactRecord::Titolo;
        case Sottotitolo:
            return ContactRecord::Sottotitolo;
        case Citta:
            return ContactRecord::Citta;
        case Tel:
            return ContactRecord::Tel;
        case Cel:
            return ContactRecord::Cel;
        case Email:
            return ContactRecord::Email;
        case Iva:
            return ContactRecord::Iva;
        case Number:
        case Count:
            break;
    }
    return ContactRecord::FieldCount;
}
