// backup, restore: the backup and restore wizard from the terminal.
#include "archive/ArchiveStore.h"
#include "backup/BackupMessages.h"
#include "backup/BackupProcedure.h"
#include "cli/CliIo.h"
#include "cli/CliRegistry.h"
#include "platform/Platform.h"

namespace {

// The procedure's messages as the terminal gives every message: on standard error, a
// warning answered No.
MsgAnswer tell(const Message &m) {
    return Platform::instance().messageBox(m.text, m.title, m.icon, m.buttons);
}

int backup(const QStringList &args) {
    QStringList rest = args;
    const bool overwrite = rest.removeAll(QStringLiteral("--overwrite")) > 0;
    if (rest.size() != 1 || rest.first().startsWith(QLatin1String("--")))
        return CliIo::usage(QStringLiteral("backup vuole la cartella di destinazione"));
    ArchiveStore store;
    // The existing backup of today is replaced only when asked for.
    BackupProcedure procedure(store, [overwrite](const Message &m) {
        if (m.buttons != MsgButtons::YesNo) return tell(m);
        if (!overwrite) CliIo::err(m.text.section(QStringLiteral("\r\n"), 0, 0));
        return overwrite ? MsgAnswer::Yes : MsgAnswer::No;
    });
    store.recordCount();  // a missing archive is created empty, as the wizard's page does
    switch (procedure.backup(rest.first())) {
        case BackupProcedure::Outcome::Done:
            CliIo::out(procedure.lastTarget());
            return 0;
        case BackupProcedure::Outcome::Declined:
        case BackupProcedure::Outcome::Failed:
            break;
    }
    return 1;
}

int restore(const QStringList &args) {
    if (args.size() != 1) return CliIo::usage(QStringLiteral("restore vuole il file di backup"));
    ArchiveStore store;
    // The archive is replaced without asking; a backup file of odd size is told and left.
    BackupProcedure procedure(store, [](const Message &m) {
        return m.buttons == MsgButtons::YesNo ? MsgAnswer::Yes : tell(m);
    });
    store.recordCount();
    return procedure.restore(args.first()) == BackupProcedure::Outcome::Done ? 0 : 1;
}

const CliRegistry::Entry kBackup("backup", "backup CARTELLA [--overwrite]", backup);
const CliRegistry::Entry kRestore("restore", "restore FILE", restore);

}  // namespace
