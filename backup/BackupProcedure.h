#pragma once

// Folder backup/: the backup and restore wizard, its pages and the procedure.

#include <QDate>
#include <QString>
#include <functional>
#include <memory>

#include "backup/BackupCopy.h"
#include "platform/MessageFlow.h"

class ArchiveStore;

// The backup and the restore of the archive as the wizard performs them: the existence
// test and its question, the copy under the hourglass, and the messages of success and
// of failure. A backup file is a byte-for-byte copy of Contatti.edb. The procedure shows
// nothing itself: its questions and messages go to the caller's `tell`, which answers.
class BackupProcedure {
public:
    enum class Outcome { Done, Declined, Failed };
    enum class Kind { Backup, Restore };

    // The archive of `store`'s folder; `tell` shows the questions (the file to replace is
    // there: only Yes goes on; a backup file of odd size: only Yes restores it) and the
    // messages of success and failure. The copier can be replaced (tests).
    BackupProcedure(ArchiveStore &store, MessageSink tell,
                    std::unique_ptr<BackupCopy> copier = nullptr);
    ~BackupProcedure();

    // "Backup_Contatti_5_3_2024.bkc": day and month without leading zeros.
    static QString backupFileName(const QDate &date);
    // The backup file of that day in the folder (no doubled separator at the root).
    static QString backupPath(const QString &folder, const QDate &date);

    // The size text of the second page, from the archive's length and record count.
    QString sizeText(Kind kind);

    // Run after a restore has replaced the archive, before the success message.
    std::function<void()> afterRestore;

    Outcome backup(const QString &folder, const QDate &today = QDate::currentDate());
    // Before the restore's own steps, a file that is empty or not a whole number of records
    // long is announced with its size and restored only on Yes (No is the default); the
    // archive it replaces is first kept as previousArchivePath(), so that restoring that
    // file undoes the restore.
    Outcome restore(const QString &backupFile);

    // Where the archive replaced by the last restore is kept.
    QString previousArchivePath() const;

    // The destination of the last backup.
    QString lastTarget() const { return m_target; }

    // The second line of a failure message.
    static QString failureLine(Kind kind, BackupCopy::Failure failure, const QString &reason);
    static QString failureText(Kind kind, BackupCopy::Failure failure, const QString &reason);

private:
    Outcome run(Kind kind, const QString &source, const QString &target);
    bool sizeLooksRight(const QString &backupFile);
    // Copies the archive beside it under a hidden name (`staged`, left empty when there is
    // no archive). False when the copy failed; the copier then holds the reason.
    bool stagePreviousArchive(QString &staged);
    // After the restore: the staged copy becomes previousArchivePath(), or goes.
    void settlePreviousArchive(const QString &staged, bool restored);
    void report(Kind kind);

    ArchiveStore &m_store;
    MessageSink m_tell;
    std::unique_ptr<BackupCopy> m_copier;
    QString m_target;
};
