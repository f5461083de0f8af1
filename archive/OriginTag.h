#pragma once

#include <QString>

#include "archive/ContactRecord.h"

// Which window, and which part of it, receives a contact chosen in the search window.
// The tag is compared after trimming blanks, exactly and with case.
enum class OriginTag { None, Archivio, Biglietti, BusteMitt, BusteDest };

inline OriginTag originTagFromText(const QString &text) {
    const QString t = ContactRecord::trimBlanks(text);
    if (t == QLatin1String("archivio")) return OriginTag::Archivio;
    if (t == QLatin1String("biglietti")) return OriginTag::Biglietti;
    if (t == QLatin1String("buste_mitt")) return OriginTag::BusteMitt;
    if (t == QLatin1String("buste_dest")) return OriginTag::BusteDest;
    return OriginTag::None;
}
