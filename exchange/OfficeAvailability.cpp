#include "exchange/OfficeAvailability.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

#include "exchange/BackupCopy.h"
#include "exchange/ExportMessages.h"
#include "platform/Platform.h"
#include "platform/ProgramFolder.h"

QString OfficeAvailability::mimeType(Kind kind) {
    switch (kind) {
        case Kind::Spreadsheet:
            return QStringLiteral(
                "application/vnd.openxmlformats-officedocument.spreadsheetml.sheet");
        case Kind::Document:
            return QStringLiteral("application/vnd.oasis.opendocument.text");
    }
    return QString();
}

QString OfficeAvailability::defaultApplication(const QString &mimeType) {
    const QString xdgMime = QStandardPaths::findExecutable(QStringLiteral("xdg-mime"));
    if (xdgMime.isEmpty()) return QString();
    QProcess query;
    query.setProgram(xdgMime);
    query.setArguments({QStringLiteral("query"), QStringLiteral("default"), mimeType});
    query.setStandardInputFile(QProcess::nullDevice());
    query.start();
    if (!query.waitForFinished(5000)) {
        query.kill();
        query.waitForFinished(1000);
        return QString();
    }
    if (query.exitStatus() != QProcess::NormalExit || query.exitCode() != 0) return QString();
    return QString::fromLocal8Bit(query.readAllStandardOutput()).trimmed();
}

QString OfficeAvailability::libreOfficeProgram() {
    for (const char *name : {"soffice", "libreoffice"}) {
        const QString found = QStandardPaths::findExecutable(QString::fromLatin1(name));
        if (!found.isEmpty()) return found;
    }
    return QString();
}

bool OfficeAvailability::libreOfficeHas(const QString &program, Kind kind) {
    const QString real = QFileInfo(program).canonicalFilePath();
    if (real.isEmpty()) return false;
    const QString module =
        QString::fromLatin1(kind == Kind::Spreadsheet ? "libsclo.so" : "libswlo.so");
    return QFileInfo(QFileInfo(real).absolutePath() + u'/' + module).isFile();
}

bool OfficeAvailability::isAvailable(Kind kind) {
    const QString office = libreOfficeProgram();
    return (!office.isEmpty() && libreOfficeHas(office, kind)) ||
           !defaultApplication(mimeType(kind)).isEmpty();
}

bool OfficeAvailability::openAsNewDocument(const QString &file, Kind kind) {
    const QString office = libreOfficeProgram();
    if (!office.isEmpty() && libreOfficeHas(office, kind))
        return Platform::instance().startProgram(office, {QStringLiteral("-n"), file});
    return Platform::instance().openUrl(file);
}

bool OfficeAvailability::openOrOfferSave(const QString &file, Kind kind) {
    if (openAsNewDocument(file, kind)) return true;
    Platform &platform = Platform::instance();
    const QString name = QFileInfo(file).fileName();
    if (platform.messageBox(QString::fromUtf8(ExportMessages::kNotOpenedText).arg(name),
                            QString::fromUtf8(ExportMessages::kNotOpenedTitle),
                            MsgIcon::Exclamation, MsgButtons::YesNo) != MsgAnswer::Yes)
        return false;
    const QString suffix = QFileInfo(file).suffix();
    const QList<FileFilter> filters{{kind == Kind::Spreadsheet
                                         ? QStringLiteral("Fogli di calcolo (*.%1)").arg(suffix)
                                         : QStringLiteral("Documenti di testo (*.%1)").arg(suffix),
                                     QStringLiteral("*.") + suffix}};
    const QString target =
        platform.saveFileDialog(QString::fromUtf8(ExportMessages::kSaveAsTitle), filters,
                                ProgramFolder::join(QDir::homePath(), name));
    if (target.isEmpty()) return false;
    BackupCopy copy;
    if (!copy.copy(file, target))
        platform.messageBox(QString::fromUtf8(ExportMessages::kSaveAsFailedText).arg(target) +
                                QStringLiteral("\r\n\r\n") + copy.reason(),
                            QString::fromUtf8(ExportMessages::kNotOpenedTitle), MsgIcon::Critical,
                            MsgButtons::Ok);
    return false;
}
