#pragma once

#include <QByteArray>
#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QStringList>

// Reads the members of a zip file (.xlsx, .odt) with the unzip program.
namespace ZipReader {

// Found in the usual places, so that tests which narrow PATH can still read their files.
inline QString program() {
    const QString found = QStandardPaths::findExecutable(
        QStringLiteral("unzip"),
        {QStringLiteral("/usr/bin"), QStringLiteral("/bin"), QStringLiteral("/usr/local/bin")});
    return found.isEmpty() ? QStringLiteral("unzip") : found;
}

inline QByteArray member(const QString &zip, const QString &name) {
    QProcess p;
    p.start(program(), {QStringLiteral("-p"), zip, name});
    if (!p.waitForFinished(30000) || p.exitCode() != 0) return QByteArray();
    return p.readAllStandardOutput();
}

inline QStringList names(const QString &zip) {
    QProcess p;
    p.start(program(), {QStringLiteral("-Z1"), zip});
    if (!p.waitForFinished(30000) || p.exitCode() != 0) return {};
    return QString::fromUtf8(p.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
}

// True when the zip's own check of every member's checksum passes.
inline bool intact(const QString &zip) {
    QProcess p;
    p.start(program(), {QStringLiteral("-tq"), zip});
    return p.waitForFinished(30000) && p.exitCode() == 0;
}

}  // namespace ZipReader
