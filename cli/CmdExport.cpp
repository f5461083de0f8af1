// export-xlsx, export-doc: the spreadsheet export and the data sheet, written to a file.
#include <QFileInfo>
#include <QTemporaryDir>

#include "archive/ArchiveStore.h"
#include "cli/CliIo.h"
#include "cli/CliRecord.h"
#include "cli/CliRegistry.h"
#include "cli/FieldAssignments.h"
#include "office/DataSheetExport.h"
#include "office/ExportMessages.h"
#include "office/XlsxExport.h"

namespace {

int exportXlsx(const QStringList &args) {
    if (args.size() != 1)
        return CliIo::usage(QStringLiteral("export-xlsx vuole il file da scrivere"));
    ArchiveStore store;
    XlsxExport exporter;
    if (!exporter.write(store, args.first()))
        return CliIo::fail(QStringLiteral("Impossibile esportare l'archivio in %1: %2")
                               .arg(args.first(), exporter.errorString()));
    return 0;
}

int exportDoc(const QStringList &args) {
    if (args.size() != 2)
        return CliIo::usage(QStringLiteral("export-doc vuole il numero della scheda e il file"));
    const int n = FieldAssignments::recordNumber(args.first());
    if (n == 0) return CliIo::usage(QStringLiteral("numero di scheda non valido: ") + args.first());
    ArchiveStore store;
    ContactRecord record;
    if (const int status = CliRecord::read(store, n, record)) return status;
    const DataSheetContent content = DataSheetContent::fromRecord(record);
    if (DataSheetExport::nameMissing(content))
        return CliIo::fail(QString::fromUtf8(ExportMessages::kMissingNameText));
    QTemporaryDir scratch;
    QString error;
    if (!scratch.isValid() ||
        !DataSheetExport::writeTo(content, QImage(), args.at(1), scratch.path(), &error))
        return CliIo::fail(
            QStringLiteral("Impossibile scrivere la scheda in %1: %2").arg(args.at(1), error));
    return 0;
}

const CliRegistry::Entry kExportXlsx("export-xlsx", "export-xlsx FILE", exportXlsx);
const CliRegistry::Entry kExportDoc("export-doc", "export-doc N FILE", exportDoc);

}  // namespace
