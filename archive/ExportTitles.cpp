#include "archive/ExportTitles.h"

QStringList ExportTitles::texts() {
    return {QStringLiteral("Persona o azienda"),
            QStringLiteral("Specialità"),
            QStringLiteral("Indirizzo"),
            QStringLiteral("Città"),
            QStringLiteral("Partita IVA"),
            QStringLiteral("Telefono"),
            QStringLiteral("Fax"),
            QStringLiteral("Cellulare"),
            QStringLiteral("E-mail"),
            QStringLiteral("Informazioni aggiuntive"),
            QStringLiteral("Sito Web")};
}
