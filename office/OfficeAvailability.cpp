#include "office/OfficeAvailability.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

#include "backup/BackupCopy.h"
#include "office/ExportMessages.h"
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

namespace {

// The save dialog for a file that did not open, and the copy to where the user chose.
Message saveCopy(const QString &file, OfficeAvailability::Kind kind) {
    const QString name = QFileInfo(file).fileName();
    const QString suffix = QFileInfo(file).suffix();
    const QList<FileFilter> filters{{kind == OfficeAvailability::Kind::Spreadsheet
                                         ? QStringLiteral("Fogli di calcolo (*.%1)").arg(suffix)
                                         : QStringLiteral("Documenti di testo (*.%1)").arg(suffix),
                                     QStringLiteral("*.") + suffix}};
    const QString target =
        Platform::instance().saveFileDialog(QString::fromUtf8(ExportMessages::kSaveAsTitle),
                                            filters, ProgramFolder::join(QDir::homePath(), name));
    if (target.isEmpty()) return Message();
    BackupCopy copy;
    if (copy.copy(file, target)) return Message();
    return Message{.text = QString::fromUtf8(ExportMessages::kSaveAsFailedText).arg(target) +
                           QStringLiteral("\r\n\r\n") + copy.reason(),
                   .title = QString::fromUtf8(ExportMessages::kNotOpenedTitle),
                   .icon = MsgIcon::Critical};
}

}  // namespace

MessageFlow OfficeAvailability::openOrOfferSave(const QString &file, Kind kind) {
    if (openAsNewDocument(file, kind)) return MessageFlow();
    const QString name = QFileInfo(file).fileName();
    return MessageFlow{
        .message = {.text = QString::fromUtf8(ExportMessages::kNotOpenedText).arg(name),
                    .title = QString::fromUtf8(ExportMessages::kNotOpenedTitle),
                    .icon = MsgIcon::Exclamation,
                    .buttons = MsgButtons::YesNo},
        .next = [file, kind](MsgAnswer answer) {
            return MessageFlow{.message =
                                   answer == MsgAnswer::Yes ? saveCopy(file, kind) : Message()};
        }};
}
