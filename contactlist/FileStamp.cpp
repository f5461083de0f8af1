#include "contactlist/FileStamp.h"

#include <sys/stat.h>

#include <QFile>

FileStamp FileStamp::of(const QString &path) {
    FileStamp stamp;
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0) return stamp;
    stamp.size = qint64(info.st_size);
    stamp.modifiedNs = qint64(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec;
    stamp.inode = quint64(info.st_ino);
    return stamp;
}
