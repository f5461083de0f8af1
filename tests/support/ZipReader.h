#pragma once

#include <QByteArray>
#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QStringList>

// Reads the members of a zip file (.xlsx, .odt) with the unzip program, after a strict check.
namespace ZipReader {

// Found in the usual places, so that tests which narrow PATH can still read their files.
inline QString program(const QString &name = QStringLiteral("unzip")) {
    const QString found = QStandardPaths::findExecutable(
        name,
        {QStringLiteral("/usr/bin"), QStringLiteral("/bin"), QStringLiteral("/usr/local/bin")});
    return found.isEmpty() ? name : found;
}

inline QStringList names(const QString &zip) {
    QProcess p;
    p.start(program(), {QStringLiteral("-Z1"), zip});
    if (!p.waitForFinished(30000) || p.exitCode() != 0) return {};
    return QString::fromUtf8(p.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
}

// True when unzip's check of every member passes and a strict reader finds the central
// directory's sizes and checksums those of the members (tests/support/strict_unzip.py).
inline bool intact(const QString &zip) {
    QProcess unzip;
    unzip.start(program(), {QStringLiteral("-tq"), zip});
    if (!unzip.waitForFinished(30000) || unzip.exitCode() != 0) return false;
    QProcess strict;
    strict.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    strict.start(program(QStringLiteral("python3")),
                 {QStringLiteral(CARTAFLEX_SOURCE_DIR "/tests/support/strict_unzip.py"), zip});
    return strict.waitForFinished(30000) && strict.exitStatus() == QProcess::NormalExit &&
           strict.exitCode() == 0;
}

// A member of the file, read only when the whole file passes intact(): every file a test
// reads back goes through the strict reader. Empty otherwise.
inline QByteArray member(const QString &zip, const QString &name) {
    if (!intact(zip)) return QByteArray();
    QProcess p;
    p.start(program(), {QStringLiteral("-p"), zip, name});
    if (!p.waitForFinished(30000) || p.exitCode() != 0) return QByteArray();
    return p.readAllStandardOutput();
}

}  // namespace ZipReader
