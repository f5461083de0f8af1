#include "cli/CliRecord.h"

#include "cli/CliIo.h"

int CliRecord::read(ArchiveStore &store, int n, ContactRecord &record, Empty empty) {
    const int total = store.recordCount();
    if (total < 0) return unreadable(store);
    if (total == 0 && empty == Empty::EmptyArchive)
        return CliIo::fail(QString::fromUtf8(ArchiveStore::kEmptyText));
    if (n > total || !store.readRecord(n, record))
        return CliIo::fail(QStringLiteral("La scheda n. %1 non è presente in archivio.").arg(n));
    return 0;
}

int CliRecord::unreadable(const ArchiveStore &store) {
    return CliIo::fail(QStringLiteral("Impossibile leggere l'archivio %1: %2")
                           .arg(store.archivePath(), store.errorString()));
}
