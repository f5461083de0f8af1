#pragma once

#include <QString>

// The writers' lock of a file of the program folder: a lock file beside it
// ("Contatti.edb.lock" for the archive). Every change of the archive or of the settings
// file runs while its lock is held, so two programs writing at once take turns and never
// lose an update. Readers never take it and never wait.
//
// A lock left by a program that died (a crash, a kill, a power cut) is recognised as
// stale from the process it names and taken over. A writer that cannot get the lock within
// the waiting time gives up without changing anything (`busy()`).
//
// The lock is re-entrant within one process: an operation that takes the lock around a
// read-modify-write may call the store's write operations, which take it again at no cost.
class ArchiveLock {
public:
    // How long a writer waits for another writer to finish.
    static constexpr int kDefaultWaitMs = 5000;

    // What a writer that could not get the lock is told.
    static constexpr const char *kBusyText =
        "L'archivio è in uso: un'altra copia di Cartaflex lo sta modificando in questo "
        "momento.\r\n\r\nNon è stato modificato nulla. Riprovare tra qualche istante.";
    static constexpr const char *kBusyTitle = "Attenzione: archivio in uso";

    // The lock of `protectedFile` (its path with ".lock" added); nothing is locked yet.
    explicit ArchiveLock(const QString &protectedFile, int waitMs = kDefaultWaitMs);
    ~ArchiveLock();
    ArchiveLock(const ArchiveLock &) = delete;
    ArchiveLock &operator=(const ArchiveLock &) = delete;

    // Waits up to the waiting time for the lock; true when it is held.
    bool acquire();
    void release();
    bool isHeld() const { return m_held; }

    // After a failed acquire: true when another program holds the lock, false when the
    // lock file could not be made at all (a read-only folder, a full disk).
    bool busy() const { return m_busy; }
    QString errorString() const { return m_error; }
    QString lockFilePath() const { return m_lockPath; }

    static QString lockPathFor(const QString &protectedFile);

private:
    QString m_lockPath;
    int m_waitMs;
    bool m_held = false;
    bool m_busy = false;
    QString m_error;
};
