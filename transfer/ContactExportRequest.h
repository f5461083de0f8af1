#pragma once

#include <QSet>
#include <QString>
#include <optional>

#include "transfer/ContactExport.h"

class ArchiveStore;

// The export as a window offers it: asks where to write the file (suggesting
// "Contatti.csv" or "Contatti.vcf"), writes the archive or the given records there and
// shows how it went. False when cancelled or failed.
class ContactExportRequest {
public:
    static bool run(ArchiveStore &store, ContactExport::Format format,
                    const std::optional<QSet<int>> &only = std::nullopt);
};
