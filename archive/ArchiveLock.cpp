#include "archive/ArchiveLock.h"

#include <QDateTime>
#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QLockFile>
#include <QMutex>
#include <algorithm>
#include <cstdlib>
#include <memory>

namespace {

// Locks this process holds, by lock file path, with their nesting depth.
QMutex &heldMutex() {
    static QMutex m;
    return m;
}

struct Held {
    int depth = 0;
    std::shared_ptr<QLockFile> file;
};

QHash<QString, Held> &heldLocks() {
    static QHash<QString, Held> held;
    return held;
}

// A writer holds the lock for milliseconds; a lock file this old whose owner cannot be
// checked (written from another computer on a shared folder) is taken as abandoned.
constexpr int kStaleMs = 30000;
// A lock file is made and filled in within microseconds; one still without its owner's
// details after this long belongs to a writer that died in between.
constexpr qint64 kUnfinishedMs = 2000;
// The waiting is done in slices, looking for such a lock between them.
constexpr qint64 kSliceMs = 250;

// Removes the lock file at `path` when it holds no owner (the stale-lock check of
// QLockFile needs one) and is old enough. The removal runs under a lock of its own, so
// that two waiters never remove a lock that one of them has just taken.
bool removeUnfinishedLock(const QString &path) {
    auto unfinished = [&] {
        QLockFile probe(path);
        qint64 pid = 0;
        QString host, app;
        if (probe.getLockInfo(&pid, &host, &app)) return false;
        const QFileInfo info(path);
        if (!info.exists()) return false;
        const qint64 age = info.lastModified().msecsTo(QDateTime::currentDateTime());
        return std::abs(age) > kUnfinishedMs;
    };
    if (!unfinished()) return false;
    QLockFile removal(path + QStringLiteral(".rmlock"));
    removal.setStaleLockTime(int(kUnfinishedMs));
    if (!removal.tryLock(0)) return false;
    const bool removed = unfinished() && QFile::remove(path);
    removal.unlock();
    return removed;
}

}  // namespace

QString ArchiveLock::lockPathFor(const QString &protectedFile) {
    return protectedFile + QStringLiteral(".lock");
}

ArchiveLock::ArchiveLock(const QString &protectedFile, int waitMs)
    : m_lockPath(lockPathFor(protectedFile)), m_waitMs(waitMs) {}

ArchiveLock::~ArchiveLock() {
    release();
}

bool ArchiveLock::acquire() {
    if (m_held) return true;
    m_busy = false;
    m_error.clear();
    {
        QMutexLocker guard(&heldMutex());
        auto it = heldLocks().find(m_lockPath);
        if (it != heldLocks().end()) {
            ++it.value().depth;
            m_held = true;
            return true;
        }
    }
    auto file = std::make_shared<QLockFile>(m_lockPath);
    file->setStaleLockTime(kStaleMs);
    QDeadlineTimer deadline(m_waitMs);
    for (;;) {
        const int slice = deadline.isForever()
                              ? int(kSliceMs)
                              : int(std::clamp<qint64>(deadline.remainingTime(), 0, kSliceMs));
        if (file->tryLock(slice)) break;
        if (file->error() != QLockFile::LockFailedError) {
            m_error =
                file->error() == QLockFile::PermissionError
                    ? QStringLiteral("impossibile creare il file di blocco %1").arg(m_lockPath)
                    : QStringLiteral("errore sul file di blocco %1").arg(m_lockPath);
            return false;
        }
        if (removeUnfinishedLock(m_lockPath)) continue;
        if (deadline.hasExpired()) {
            m_busy = true;
            m_error = QStringLiteral("archivio in uso da un altro programma");
            return false;
        }
    }
    QMutexLocker guard(&heldMutex());
    heldLocks().insert(m_lockPath, Held{1, std::move(file)});
    m_held = true;
    return true;
}

void ArchiveLock::release() {
    if (!m_held) return;
    m_held = false;
    QMutexLocker guard(&heldMutex());
    auto it = heldLocks().find(m_lockPath);
    if (it == heldLocks().end()) return;
    if (--it.value().depth > 0) return;
    const std::shared_ptr<QLockFile> file = it.value().file;
    heldLocks().erase(it);
    file->unlock();
}
