#include "platform/ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
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

QString ProgramFolder::adoptArchive() {
    if (!overridePath().isEmpty()) return QString();
    const QString exeDir = executableFolder();
    if (path() == exeDir) return QString();
    return adoptArchive(exeDir, path());
}

QString ProgramFolder::adoptArchive(const QString &programFolder, const QString &perUser) {
    const QString archive = QStringLiteral("Contatti.edb");
    const QDir from(programFolder);
    const QDir to(perUser);
    if (QDir::cleanPath(from.absolutePath()) == QDir::cleanPath(to.absolutePath()) ||
        !QFileInfo(from.filePath(archive)).isFile())
        return QString();
    const QString shownFrom = QDir::toNativeSeparators(from.absolutePath());
    const QString shownTo = QDir::toNativeSeparators(to.absolutePath());
    // What was told is noted in the per-user folder, so that it is told once.
    QFile note(to.filePath(QLatin1String(kAdoptNote)));
    const auto noteDown = [&note, &from] {
        if (note.open(QIODevice::WriteOnly | QIODevice::Truncate))
            note.write(from.absolutePath().toUtf8());
        note.close();
    };
    if (QFileInfo(to.filePath(archive)).exists()) {
        if (note.open(QIODevice::ReadOnly) && note.readAll() == from.absolutePath().toUtf8())
            return QString();
        note.close();
        noteDown();
        return QStringLiteral(
                   "La cartella del programma (%1) e la cartella dei dati (%2) contengono "
                   "entrambe un archivio Contatti.edb: si usa quello della cartella dei dati.")
            .arg(shownFrom, shownTo);
    }
    if (!QDir().mkpath(to.absolutePath()) ||
        !QFile::copy(from.filePath(archive), to.filePath(archive)))
        return QStringLiteral(
                   "La cartella del programma (%1) non si può modificare e l'archivio "
                   "Contatti.edb non si è potuto copiare nella cartella dei dati (%2).")
            .arg(shownFrom, shownTo);
    // The settings and the logo go along, where the per-user folder has none.
    for (const QString &name : {QStringLiteral("Cartaflex.ini"), QStringLiteral("Logo.bmp")})
        if (QFileInfo(from.filePath(name)).isFile() && !QFileInfo::exists(to.filePath(name)))
            QFile::copy(from.filePath(name), to.filePath(name));
    noteDown();
    return QStringLiteral(
               "La cartella del programma (%1) non si può modificare: il suo archivio "
               "Contatti.edb, con le impostazioni e il logo, è stato copiato nella cartella "
               "dei dati (%2). D'ora in poi le schede si leggono e si salvano lì.")
        .arg(shownFrom, shownTo);
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
