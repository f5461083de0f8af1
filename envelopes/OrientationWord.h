#pragma once

#include <QString>
#include <optional>

// The envelope's orientation as the settings file and the composer's label hold it.
class OrientationWord {
public:
    static QString portrait() { return QStringLiteral("Verticale"); }
    static QString landscape() { return QStringLiteral("Orizzontale"); }

    // A stored "Orientamento" value: its first 11 characters, trimmed, reading
    // "Orizzontale" give landscape; its first 9, trimmed, reading "Verticale" give
    // portrait; an empty value gives portrait. Any other text gives nothing (the reader
    // keeps its design-time portrait).
    static std::optional<QString> fromSetting(const QString &value);

    // The printer orientation for a label text (trimmed): 2 landscape, 1 portrait,
    // nothing for any other text (the printer keeps its orientation).
    static std::optional<int> printerOrientation(const QString &labelText);
};
