#include "platform/PictureLoader.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <cerrno>

namespace {

QImage refuse(PictureLoader::Failure reason, PictureLoader::Failure *why) {
    if (why) *why = reason;
    return QImage();
}

bool tooManyPixels(const QSize &size) {
    return size.width() > PictureLoader::kMaxSide || size.height() > PictureLoader::kMaxSide ||
           qint64(size.width()) * size.height() > PictureLoader::kMaxPixels;
}

}  // namespace

QImage PictureLoader::load(const QString &path, Failure *why) {
    if (why) *why = Failure::None;
    if (path.isEmpty()) return refuse(Failure::Missing, why);
    // Opened without waiting (a pipe with no writer), then judged by what was opened, so
    // that the file cannot be swapped between the check and the read.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return refuse(errno == ENOENT ? Failure::Missing : Failure::NotAFile, why);
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return refuse(Failure::NotAFile, why);
    }
    if (st.st_size > kMaxFileBytes) {
        ::close(fd);
        return refuse(Failure::TooBig, why);
    }
    QByteArray bytes(qsizetype(st.st_size), Qt::Uninitialized);
    qsizetype have = 0;
    while (have < bytes.size()) {
        const ssize_t got = ::read(fd, bytes.data() + have, size_t(bytes.size() - have));
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) break;  // the file was shortened meanwhile: decode what there is
        have += got;
    }
    ::close(fd);
    bytes.truncate(have);
    return fromBytes(bytes, why);
}

QImage PictureLoader::fromBytes(const QByteArray &bytes, Failure *why) {
    if (why) *why = Failure::None;
    if (bytes.size() > kMaxFileBytes) return refuse(Failure::TooBig, why);
    QBuffer buffer;
    buffer.setData(bytes);
    if (!buffer.open(QIODevice::ReadOnly)) return refuse(Failure::NotAPicture, why);
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    reader.setAutoTransform(true);
    // The size the picture claims, read from its header: a giant is refused undecoded.
    const QSize claimed = reader.size();
    if (claimed.isValid() && tooManyPixels(claimed)) return refuse(Failure::TooManyPixels, why);
    // A format that does not tell its size first is held by the decoder's allocation limit.
    reader.setAllocationLimit(int(kMaxPixels * 4 / (1024 * 1024)) + 1);
    QImage image = reader.read();
    if (image.isNull()) return refuse(Failure::NotAPicture, why);
    if (tooManyPixels(image.size())) return refuse(Failure::TooManyPixels, why);
    return image;
}
