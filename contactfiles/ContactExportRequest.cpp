#include "contactfiles/ContactExportRequest.h"

#include <QDir>

#include "archive/ArchiveStore.h"
#include "contactfiles/TransferMessages.h"
#include "platform/HourglassCursor.h"
#include "platform/Platform.h"

Message ContactExportRequest::run(ArchiveStore &store, ContactExport::Format format,
                                  const std::optional<QSet<int>> &only) {
    const bool csv = format == ContactExport::Format::Csv;
    const QString path = Platform::instance().saveFileDialog(
        csv ? QStringLiteral("Esporta contatti in CSV")
            : QStringLiteral("Esporta contatti in vCard"),
        {csv ? FileFilter{QStringLiteral("CSV (*.csv)"), QStringLiteral("*.csv")}
             : FileFilter{QStringLiteral("vCard (*.vcf)"), QStringLiteral("*.vcf")}},
        QDir::home().filePath(csv ? QStringLiteral("Contatti.csv")
                                  : QStringLiteral("Contatti.vcf")));
    if (path.isEmpty()) return {};
    ContactExport exporter;
    if (only) exporter.restrictTo(*only);
    bool ok = false;
    {
        HourglassCursor hourglass;
        ok = exporter.write(store, path, format);
    }
    Message out;
    out.text = exporter.message();
    out.title = QString::fromUtf8(TransferMessages::kExportTitle);
    out.icon = ok ? MsgIcon::Information : MsgIcon::Critical;
    return out;
}
