#pragma once

#include <QSet>
#include <optional>

#include "contactfiles/ContactExport.h"
#include "platform/Message.h"

class ArchiveStore;

// The export as a window offers it: asks where to write the file (suggesting
// "Contatti.csv" or "Contatti.vcf"), writes the archive or the given records there and
// returns how it went, for the window to show; an empty message when the user cancelled.
class ContactExportRequest {
public:
    static Message run(ArchiveStore &store, ContactExport::Format format,
                       const std::optional<QSet<int>> &only = std::nullopt);
};
