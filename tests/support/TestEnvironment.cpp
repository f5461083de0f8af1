#include "support/TestEnvironment.h"

#include <QFile>

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
