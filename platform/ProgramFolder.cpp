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

QString executableFolder() {
    if (QCoreApplication::instance()) return QCoreApplication::applicationDirPath();
    return QDir::currentPath();
}

QString perUserFolder() {
    QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (data.isEmpty()) data = QDir::homePath() + QStringLiteral("/.cartaflex");
    return data;
}

}  // namespace

bool ProgramFolder::isInstalled(const QString &exeDir) {
    return QDir(exeDir).dirName() == QLatin1String("bin") &&
           QFileInfo(QDir(exeDir).filePath(QStringLiteral("../") + QLatin1String(kShareFolder)))
               .isDir();
}

QString ProgramFolder::sharedFiles(const QString &exeDir) {
    if (!isInstalled(exeDir)) return exeDir;
    return QDir::cleanPath(
        QDir(exeDir).filePath(QStringLiteral("../") + QLatin1String(kShareFolder)));
}

QString ProgramFolder::choose(const QString &exeDir, const QString &perUser) {
    if (!isInstalled(exeDir) && QFileInfo(exeDir).isWritable()) return exeDir;
    return perUser;
}

QString ProgramFolder::installPath() {
    return sharedFiles(executableFolder());
}

QString ProgramFolder::path() {
    if (!overridePath().isEmpty()) return overridePath();
    return choose(executableFolder(), perUserFolder());
}

QString ProgramFolder::prepare() {
    if (!overridePath().isEmpty()) return QString();
    return prepare(path());
}

QString ProgramFolder::prepare(const QString &folder) {
    if (QFileInfo(folder).isDir() || QDir().mkpath(folder)) return QString();
    return QStringLiteral(
               "Impossibile creare la cartella dei dati di Cartaflex:\n%1\n\n"
               "Lì si trovano l'archivio Contatti.edb, le impostazioni "
               "Cartaflex.ini e il logo Logo.bmp. Controllare i permessi della "
               "cartella e riavviare il programma.")
        .arg(QDir::toNativeSeparators(folder));
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
