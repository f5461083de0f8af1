#include "platform/WriteProtection.h"

#include <QFileInfo>

bool WriteProtection::isProtected(const QString &path) {
    const QFileInfo info(path);
    if (!info.exists()) return false;
    const QFile::Permissions writeBits = QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther;
    if (!(info.permissions() & writeBits)) return true;
    return !info.isWritable();
}

bool WriteProtection::folderProtected(const QString &filePath) {
    return isProtected(QFileInfo(filePath).absolutePath());
}
