#include "platform/ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

QString &overridePath() {
    static QString folder;
    return folder;
}

}  // namespace

QString ProgramFolder::installPath() {
    if (QCoreApplication::instance()) return QCoreApplication::applicationDirPath();
    return QDir::currentPath();
}

QString ProgramFolder::path() {
    if (!overridePath().isEmpty()) return overridePath();
    const QString exeDir = installPath();
    if (QFileInfo(exeDir).isWritable()) return exeDir;
    QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (data.isEmpty()) data = QDir::homePath() + QStringLiteral("/.cartaflex");
    QDir().mkpath(data);
    return data;
}

void ProgramFolder::setPath(const QString &folder) {
    overridePath() = folder;
}

QString ProgramFolder::join(const QString &folder, const QString &fileName) {
    if (folder.endsWith(u'/')) return folder + fileName;
    return folder + u'/' + fileName;
}

QString ProgramFolder::filePath(const QString &fileName) {
    return join(path(), fileName);
}
