#include "backup/BackupProcedure.h"

#include <QFile>
#include <QFileInfo>
#include <cstdio>

#include "archive/ArchiveLock.h"
#include "archive/ArchiveStore.h"
#include "backup/BackupMessages.h"
#include "platform/HourglassCursor.h"
#include "platform/ProgramFolder.h"

namespace {

QString u8(const char *s) {
    return QString::fromUtf8(s);
}

}  // namespace

BackupProcedure::BackupProcedure(ArchiveStore &store, MessageSink tell,
                                 std::unique_ptr<BackupCopy> copier)
    : m_store(store),
      m_tell(std::move(tell)),
      m_copier(copier ? std::move(copier) : std::make_unique<BackupCopy>()) {}

BackupProcedure::~BackupProcedure() = default;

QString BackupProcedure::backupFileName(const QDate &date) {
    return QStringLiteral("Backup_Contatti_%1_%2_%3.bkc")
        .arg(date.day())
        .arg(date.month())
        .arg(date.year());
}

QString BackupProcedure::backupPath(const QString &folder, const QDate &date) {
    return ProgramFolder::join(folder, backupFileName(date));
}

QString BackupProcedure::sizeText(Kind kind) {
    // A missing archive is created empty by counting its records.
    const int counted = m_store.recordCount();
    const int count = counted < 0 ? 0 : counted;
    const QFileInfo info(m_store.archivePath());
    const qint64 size = info.isFile() ? info.size() : 0;
    if (kind == Kind::Backup)
        return QStringLiteral(
                   "L'archivio dati personali misura %1 byte e contiene %2 schede.\r\n\r\n"
                   "Per eseguire il backup è necessario selezionare la cartella dove si "
                   "vuole salvare la copia di sicurezza del file, dopodiché fare clic sul "
                   "pulsante Effettua backup.")
            .arg(size)
            .arg(count);
    return QStringLiteral(
               "L'archivio dati personali attualmente in uso misura %1 byte e contiene %2 "
               "schede.\r\n\r\nPer eseguire il ripristino di una copia di sicurezza "
               "precedentemente salvata è necessario selezionare il file di backup con "
               "estensione .bkc, dopodiché fare clic sul pulsante Effettua ripristino.")
        .arg(size)
        .arg(count);
}

QString BackupProcedure::failureLine(Kind kind, BackupCopy::Failure failure,
                                     const QString &reason) {
    const bool backup = kind == Kind::Backup;
    switch (failure) {
        case BackupCopy::Failure::DriveNotReady:
            return u8(BackupMessages::kDriveNotReady);
        case BackupCopy::Failure::AccessDenied:
            return u8(backup ? BackupMessages::kBackupAccessDenied
                             : BackupMessages::kRestoreAccessDenied);
        case BackupCopy::Failure::PathNotFound:
            return u8(backup ? BackupMessages::kBackupPathNotFound
                             : BackupMessages::kRestorePathNotFound);
        case BackupCopy::Failure::Other:
        case BackupCopy::Failure::None:
            break;
    }
    return reason;
}

QString BackupProcedure::failureText(Kind kind, BackupCopy::Failure failure,
                                     const QString &reason) {
    return u8(kind == Kind::Backup ? BackupMessages::kBackupFailedLine
                                   : BackupMessages::kRestoreFailedLine) +
           QStringLiteral("\r\n\r\n") + failureLine(kind, failure, reason);
}

void BackupProcedure::report(Kind kind) {
    m_tell({.text = failureText(kind, m_copier->failure(), m_copier->reason()),
            .title = u8(kind == Kind::Backup ? BackupMessages::kBackupFailedTitle
                                             : BackupMessages::kRestoreFailedTitle),
            .icon = MsgIcon::Exclamation});
}

BackupProcedure::Outcome BackupProcedure::run(Kind kind, const QString &source,
                                              const QString &target) {
    const bool backup = kind == Kind::Backup;
    switch (m_copier->probe(target)) {
        case BackupCopy::Presence::Present:
            if (m_tell({.text = u8(backup ? BackupMessages::kOverwriteBackupText
                                          : BackupMessages::kOverwriteArchiveText),
                        .title = u8(backup ? BackupMessages::kOverwriteBackupTitle
                                           : BackupMessages::kOverwriteArchiveTitle),
                        .icon = MsgIcon::Question,
                        .buttons = MsgButtons::YesNo}) != MsgAnswer::Yes)
                return Outcome::Declined;
            break;
        case BackupCopy::Presence::Failed:
            // Only the three classified conditions stop here; anything else (a file that
            // cannot be read but may be replaced) is left to the copy.
            if (m_copier->failure() != BackupCopy::Failure::Other) {
                report(kind);
                return Outcome::Failed;
            }
            break;
        case BackupCopy::Presence::Missing:
            break;
    }
    bool copied = false;
    {
        HourglassCursor hourglass;
        if (backup) {
            copied = m_copier->copy(source, target);
        } else {
            // A restore changes the archive: it holds the writers' lock, and its copy goes
            // through Archivio.tmp as every change of the archive does, so that whatever an
            // interrupted restore leaves is cleared by the next change.
            ArchiveLock lock(target);
            if (lock.acquire()) {
                // The archive being replaced is staged first and takes the kept name only
                // once the restore is done, so restoring the kept file itself works too.
                QString staged;
                copied = stagePreviousArchive(staged) &&
                         m_copier->copy(
                             source, target,
                             m_store.archivePath(QString::fromLatin1(ArchiveStore::kTempName)));
                if (!staged.isEmpty()) settlePreviousArchive(staged, copied);
            } else if (lock.busy()) {
                m_copier->setFailure(
                    BackupCopy::Failure::Other,
                    QString::fromUtf8(ArchiveLock::kBusyText).section(u'\r', 0, 0));
            } else {
                const bool writable = QFileInfo(m_store.folder()).isWritable();
                m_copier->setFailure(
                    writable ? BackupCopy::Failure::Other : BackupCopy::Failure::AccessDenied,
                    lock.errorString());
            }
            if (copied && afterRestore) afterRestore();
        }
    }
    if (!copied) {
        report(kind);
        return Outcome::Failed;
    }
    m_tell(
        {.text = u8(backup ? BackupMessages::kBackupDoneText : BackupMessages::kRestoreDoneText),
         .title = u8(backup ? BackupMessages::kBackupDoneTitle : BackupMessages::kRestoreDoneTitle),
         .icon = MsgIcon::Information});
    return Outcome::Done;
}

BackupProcedure::Outcome BackupProcedure::backup(const QString &folder, const QDate &today) {
    m_target = backupPath(folder, today);
    return run(Kind::Backup, m_store.archivePath(), m_target);
}

BackupProcedure::Outcome BackupProcedure::restore(const QString &backupFile) {
    m_target = m_store.archivePath();
    if (!sizeLooksRight(backupFile)) return Outcome::Declined;
    return run(Kind::Restore, backupFile, m_target);
}

QString BackupProcedure::previousArchivePath() const {
    return ProgramFolder::join(m_store.folder(),
                               QString::fromLatin1(BackupMessages::kPreviousArchiveName));
}

bool BackupProcedure::sizeLooksRight(const QString &backupFile) {
    // Only a plain file is measured; anything else is left to the copy to report.
    const QFileInfo info(backupFile);
    if (!info.isFile()) return true;
    const qint64 size = info.size();
    if (size > 0 && size % ContactRecord::kRecordLength == 0) return true;
    const QString text =
        size == 0 ? u8(BackupMessages::kEmptyFileText) : u8(BackupMessages::kOddSizeText).arg(size);
    return m_tell({.text = text,
                   .title = u8(BackupMessages::kOddSizeTitle),
                   .icon = MsgIcon::Exclamation,
                   .buttons = MsgButtons::YesNoDefaultNo}) == MsgAnswer::Yes;
}

bool BackupProcedure::stagePreviousArchive(QString &staged) {
    staged.clear();
    if (!QFileInfo(m_store.archivePath()).isFile()) return true;
    const QString path = ProgramFolder::join(
        m_store.folder(), QStringLiteral(".") +
                              QString::fromLatin1(BackupMessages::kPreviousArchiveName) +
                              QStringLiteral(".nuovo"));
    BackupCopy keeper;
    if (!keeper.copy(m_store.archivePath(), path)) {
        m_copier->setFailure(keeper.failure(), keeper.reason());
        return false;
    }
    staged = path;
    return true;
}

void BackupProcedure::settlePreviousArchive(const QString &staged, bool restored) {
    const QByteArray from = QFile::encodeName(staged);
    if (!restored ||
        std::rename(from.constData(), QFile::encodeName(previousArchivePath()).constData()) != 0)
        std::remove(from.constData());
}
