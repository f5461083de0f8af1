#pragma once

#include <QString>

// What tells a file changed without reading it: its size, modification time and inode
// (a file renamed over it, as every change of the archive is, has a new inode).
struct FileStamp {
    qint64 size = -1;
    qint64 modifiedNs = 0;
    quint64 inode = 0;

    static FileStamp of(const QString &path);
    bool operator==(const FileStamp &other) const = default;
};
