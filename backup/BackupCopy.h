#pragma once

#include <QString>

// A byte-for-byte copy of one file over another that never leaves a half-written file
// in place of a good one: the bytes go into a temporary file in the destination folder,
// are flushed to disk, and the temporary file is then renamed over the destination in
// one step. When anything fails, the destination is exactly as it was and the temporary
// file is gone.
class BackupCopy {
public:
    // Why a file operation failed, in the classes the program reports.
    enum class Failure {
        None,
        DriveNotReady,  // no medium in the drive, or the device is gone
        AccessDenied,   // the folder or the file is protected against writing
        PathNotFound,   // a folder of the path does not exist
        Other,          // anything else: a full disk, a missing source, a busy target
    };

    // What trying to open a destination for reading tells.
    enum class Presence { Missing, Present, Failed };

    virtual ~BackupCopy() = default;

    // The existence test made before a copy: Present when the file opens for reading,
    // Missing when it does not exist in an existing folder, Failed (with failure() and
    // reason()) otherwise.
    Presence probe(const QString &path);

    // Copies `source` over `target`. False on failure, with failure() and reason().
    // The bytes go into a fresh hidden file beside the target, or into `tempPath` when
    // given (a fixed name that the next change clears, for a caller holding a lock).
    bool copy(const QString &source, const QString &target, const QString &tempPath = QString());

    // Reports a failure found outside the copy (the archive's lock) the same way.
    void setFailure(Failure failure, const QString &reason) { failWith(failure, reason); }

    Failure failure() const { return m_failure; }
    // A short reason in Italian ("spazio su disco esaurito").
    QString reason() const { return m_reason; }

    static Failure classify(int error);
    static QString describe(int error);

protected:
    // The three steps a test can make fail.
    virtual long long writeBlock(int fd, const char *data, long long size);
    virtual bool syncToDisk(int fd);
    virtual bool renameOver(const QString &from, const QString &to);

private:
    bool fail(int error);
    bool failWith(Failure failure, const QString &reason);

    Failure m_failure = Failure::None;
    QString m_reason;
};
