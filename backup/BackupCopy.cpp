#include "backup/BackupCopy.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

constexpr long long kBlock = 1 << 20;

QByteArray native(const QString &path) {
    return QFile::encodeName(path);
}

// Closes the descriptor when the scope ends.
struct Descriptor {
    int fd = -1;
    ~Descriptor() {
        if (fd >= 0) ::close(fd);
    }
    int release() {
        const int f = fd;
        fd = -1;
        return f;
    }
};

}  // namespace

BackupCopy::Failure BackupCopy::classify(int error) {
    switch (error) {
        case 0:
            return Failure::None;
#ifdef ENOMEDIUM
        case ENOMEDIUM:
#endif
        case ENXIO:
        case ENODEV:
            return Failure::DriveNotReady;
        case EACCES:
        case EPERM:
        case EROFS:
            return Failure::AccessDenied;
        case ENOENT:
        case ENOTDIR:
            return Failure::PathNotFound;
        default:
            return Failure::Other;
    }
}

QString BackupCopy::describe(int error) {
    switch (error) {
        case ENOSPC:
        case EDQUOT:
            return QStringLiteral("Spazio su disco esaurito.");
        case EBUSY:
        case ETXTBSY:
            return QStringLiteral("Il file è in uso.");
        case EISDIR:
            return QStringLiteral("Il percorso indica una cartella, non un file.");
        case EIO:
            return QStringLiteral("Errore di lettura o scrittura sul disco.");
        case ENOENT:
            return QStringLiteral("Il file non esiste.");
        default:
            return QString::fromLocal8Bit(std::strerror(error)) + u'.';
    }
}

bool BackupCopy::fail(int error) {
    return failWith(classify(error), describe(error));
}

bool BackupCopy::failWith(Failure failure, const QString &reason) {
    m_failure = failure;
    m_reason = reason;
    return false;
}

BackupCopy::Presence BackupCopy::probe(const QString &path) {
    m_failure = Failure::None;
    m_reason.clear();
    const int fd = ::open(native(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd >= 0) {
        ::close(fd);
        return Presence::Present;
    }
    const int error = errno;
    // A file that is not there in a folder that is: nothing to ask about.
    if (error == ENOENT && QFileInfo(QFileInfo(path).absolutePath()).isDir())
        return Presence::Missing;
    fail(error);
    return Presence::Failed;
}

long long BackupCopy::writeBlock(int fd, const char *data, long long size) {
    long long done = 0;
    while (done < size) {
        const ssize_t n = ::write(fd, data + done, size_t(size - done));
        if (n < 0) {
            if (errno == EINTR) continue;
            return -1;
        }
        done += n;
    }
    return done;
}

bool BackupCopy::syncToDisk(int fd) {
    return ::fsync(fd) == 0;
}

bool BackupCopy::renameOver(const QString &from, const QString &to) {
    return std::rename(native(from).constData(), native(to).constData()) == 0;
}

bool BackupCopy::copy(const QString &source, const QString &target, const QString &tempPath) {
    m_failure = Failure::None;
    m_reason.clear();

    Descriptor in;
    // Opened without waiting: a pipe with no writer would otherwise block for ever.
    in.fd = ::open(native(source).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (in.fd < 0) {
        const int error = errno;
        // A missing source is no fault of the destination.
        if (error == ENOENT)
            return failWith(Failure::Other, QStringLiteral("Il file da copiare non esiste."));
        // Nor is a source this user may not read: the destination is not to blame.
        if (error == EACCES || error == EPERM)
            return failWith(Failure::Other,
                            QStringLiteral("Non si dispone del permesso di leggere il file da "
                                           "copiare."));
        return fail(error);
    }
    struct stat sourceInfo {};
    if (::fstat(in.fd, &sourceInfo) != 0) return fail(errno);
    if (S_ISDIR(sourceInfo.st_mode)) return fail(EISDIR);
    if (!S_ISREG(sourceInfo.st_mode))
        return failWith(Failure::Other,
                        QStringLiteral("Il file da copiare non è un file regolare."));
    ::fcntl(in.fd, F_SETFL, ::fcntl(in.fd, F_GETFL) & ~O_NONBLOCK);

    // A destination protected against writing is refused, even where the folder would
    // let the rename replace it.
    struct stat targetInfo {};
    const bool targetExists = ::stat(native(target).constData(), &targetInfo) == 0;
    if (targetExists) {
        if (S_ISDIR(targetInfo.st_mode)) return fail(EISDIR);
        const int probe = ::open(native(target).constData(), O_WRONLY | O_CLOEXEC);
        if (probe < 0) return fail(errno);
        ::close(probe);
    }

    const QString folder = QFileInfo(target).absolutePath();
    QByteArray tempName;
    Descriptor out;
    if (tempPath.isEmpty()) {
        tempName = native(folder + QStringLiteral("/.") + QFileInfo(target).fileName() +
                          QStringLiteral(".XXXXXX"));
        out.fd = ::mkostemp(tempName.data(), O_CLOEXEC);
    } else {
        // What an interrupted copy left there is started afresh.
        tempName = native(tempPath);
        out.fd = ::open(tempName.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    }
    if (out.fd < 0) return fail(errno);
    const QString temporary = QFile::decodeName(tempName);

    auto abandon = [&](int error) {
        ::close(out.release());
        ::unlink(tempName.constData());
        return fail(error);
    };

    QByteArray block(kBlock, Qt::Uninitialized);
    for (;;) {
        const ssize_t got = ::read(in.fd, block.data(), size_t(block.size()));
        if (got < 0) {
            if (errno == EINTR) continue;
            return abandon(errno);
        }
        if (got == 0) break;
        errno = 0;
        if (writeBlock(out.fd, block.constData(), got) != got) return abandon(errno ? errno : EIO);
    }
    // The copy keeps the permissions of the file it replaces, or those of the source.
    const mode_t mode = (targetExists ? targetInfo.st_mode : sourceInfo.st_mode) & 07777;
    ::fchmod(out.fd, mode);
    errno = 0;
    if (!syncToDisk(out.fd)) return abandon(errno ? errno : EIO);
    if (::close(out.release()) != 0) {
        const int error = errno;
        ::unlink(tempName.constData());
        return fail(error);
    }
    errno = 0;
    if (!renameOver(temporary, target)) {
        const int error = errno ? errno : EIO;
        ::unlink(tempName.constData());
        return fail(error);
    }
    return true;
}
