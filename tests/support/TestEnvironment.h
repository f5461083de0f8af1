#pragma once

#include <QTemporaryDir>

#include "platform/ScriptedPlatform.h"

// A fresh program folder in a temporary directory and a scripted platform installed for
// the lifetime of the object. Every test case that touches files or dialogs makes one.
class TestEnvironment {
public:
    TestEnvironment();
    ~TestEnvironment();

    QString folder() const { return m_dir.path(); }
    QString file(const QString &name) const;
    ScriptedPlatform &platform() { return *m_platform; }

    static QByteArray readBytes(const QString &path);
    static bool writeBytes(const QString &path, const QByteArray &bytes);
    // A folder this process cannot create files in, made under `scratch` where the file
    // modes bind this user, else sysfs (a chmod does not stop the superuser, but sysfs
    // refuses everyone); empty when the machine offers none.
    static QString unwritableFolder(const QString &scratch);

private:
    QTemporaryDir m_dir;
    ScriptedPlatform *m_platform;
};
