#include "exchange/OfficeAvailability.h"

#include <QProcess>
#include <QStandardPaths>

#include "platform/Platform.h"

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

bool OfficeAvailability::isAvailable(Kind kind) {
    return !libreOfficeProgram().isEmpty() || !defaultApplication(mimeType(kind)).isEmpty();
}

bool OfficeAvailability::openAsNewDocument(const QString &file) {
    const QString office = libreOfficeProgram();
    if (!office.isEmpty())
        return Platform::instance().startProgram(office, {QStringLiteral("-n"), file});
    return Platform::instance().openUrl(file);
}
