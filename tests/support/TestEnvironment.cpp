#include "support/TestEnvironment.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "platform/ProgramFolder.h"

TestEnvironment::TestEnvironment() : m_platform(new ScriptedPlatform) {
    Platform::install(m_platform);
    ProgramFolder::setPath(m_dir.path());
}

TestEnvironment::~TestEnvironment() {
    ProgramFolder::setPath(QString());
    Platform::install(new ScriptedPlatform);
}

QString TestEnvironment::file(const QString &name) const {
    return ProgramFolder::join(m_dir.path(), name);
}

QByteArray TestEnvironment::readBytes(const QString &path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return QByteArray();
    return f.readAll();
}

bool TestEnvironment::writeBytes(const QString &path, const QByteArray &bytes) {
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
    return f.write(bytes) == bytes.size();
}

QString TestEnvironment::unwritableFolder(const QString &scratch) {
    const QString mine = scratch + QStringLiteral("/sola-lettura");
    QDir().mkdir(mine);
    QFile::setPermissions(mine, QFile::ReadOwner | QFile::ExeOwner);
    QFile probe(mine + QStringLiteral("/x"));
    if (!probe.open(QIODevice::WriteOnly)) return mine;
    probe.remove();
    QFile sys(QStringLiteral("/sys/cartaflex-probe"));
    if (QFileInfo(QStringLiteral("/sys")).isDir() && !sys.open(QIODevice::WriteOnly))
        return QStringLiteral("/sys");
    return QString();
}

MsgAnswer TestEnvironment::show(const Message &message) {
    if (message.isEmpty()) return MsgAnswer::Ok;
    Platform &platform = Platform::instance();
    if (message.beep) platform.beep();
    return platform.messageBox(message.text, message.title, message.icon, message.buttons);
}
