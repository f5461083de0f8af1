#include "archive/ArchiveLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDeadlineTimer>
#include <QFile>
#include <QHash>
#include <QMutex>
#include <QThread>
#include <cerrno>
#include <cstring>

namespace {

// Locks this process holds, by lock file path: the open lock file and the nesting depth.
struct Held {
    int depth = 0;
    int fd = -1;
};

QMutex &heldMutex() {
    static QMutex m;
    return m;
}

QHash<QString, Held> &heldLocks() {
    static QHash<QString, Held> held;
    return held;
}

// Pause between two attempts while another writer holds the lock.
constexpr unsigned long kRetryMs = 15;

enum class Attempt { Taken, Held, Failed };

// One attempt at the lock: the lock file is opened (made when missing) and locked by the
// system, which lets go of it by itself when its holder ends in any way, a kill included;
// so no lock outlives its writer and none has to be judged stale. The file is removed on
// release; an attempt that locked a file removed meanwhile tries again on the new one.
Attempt attempt(const QByteArray &path, int &fd, QString &error) {
    fd = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) {
        error = QString::fromLocal8Bit(std::strerror(errno));
        return Attempt::Failed;
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int why = errno;
        ::close(fd);
        fd = -1;
        if (why == EWOULDBLOCK || why == EINTR) return Attempt::Held;
        error = QString::fromLocal8Bit(std::strerror(why));
        return Attempt::Failed;
    }
    struct stat mine {};
    struct stat named {};
    if (::fstat(fd, &mine) != 0 || ::stat(path.constData(), &named) != 0 ||
        mine.st_ino != named.st_ino || mine.st_dev != named.st_dev) {
        ::close(fd);
        fd = -1;
        return Attempt::Held;
    }
    return Attempt::Taken;
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
    const QByteArray path = QFile::encodeName(m_lockPath);
    QDeadlineTimer deadline(m_waitMs);
    int fd = -1;
    for (;;) {
        QString why;
        const Attempt a = attempt(path, fd, why);
        if (a == Attempt::Taken) break;
        if (a == Attempt::Failed) {
            m_error =
                QStringLiteral("impossibile creare il file di blocco %1: %2").arg(m_lockPath, why);
            return false;
        }
        if (deadline.hasExpired()) {
            m_busy = true;
            m_error = QStringLiteral("archivio in uso da un altro programma");
            return false;
        }
        QThread::msleep(kRetryMs);
    }
    QMutexLocker guard(&heldMutex());
    heldLocks().insert(m_lockPath, Held{1, fd});
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
    const int fd = it.value().fd;
    heldLocks().erase(it);
    // Removed while still locked, so that a waiter holding the old file sees it is gone.
    ::unlink(QFile::encodeName(m_lockPath).constData());
    ::close(fd);
}
