#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>

// Reads the members of a zip file (.xlsx, .odt) with the unzip program.
namespace ZipReader {

inline QByteArray member(const QString &zip, const QString &name) {
    QProcess p;
    p.start(QStringLiteral("unzip"), {QStringLiteral("-p"), zip, name});
    if (!p.waitForFinished(30000) || p.exitCode() != 0) return QByteArray();
    return p.readAllStandardOutput();
}

inline QStringList names(const QString &zip) {
    QProcess p;
    p.start(QStringLiteral("unzip"), {QStringLiteral("-Z1"), zip});
    if (!p.waitForFinished(30000) || p.exitCode() != 0) return {};
    return QString::fromUtf8(p.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
}

// True when the zip's own check of every member's checksum passes.
inline bool intact(const QString &zip) {
    QProcess p;
    p.start(QStringLiteral("unzip"), {QStringLiteral("-tq"), zip});
    return p.waitForFinished(30000) && p.exitCode() == 0;
}

}  // namespace ZipReader
