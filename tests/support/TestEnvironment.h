#pragma once

#include <QTemporaryDir>

#include "platform/Message.h"
#include "support/ScriptedPlatform.h"

// A fresh program folder in a temporary directory and a scripted platform installed for
// the lifetime of the object. Every test case that touches files or dialogs makes one.
class TestEnvironment {
public:
    TestEnvironment();
    ~TestEnvironment();

    QString folder() const { return m_dir.path(); }
    QString file(const QString &name) const;
    ScriptedPlatform &platform() { return *m_platform; }

    // Shows a message of the logic through the installed platform, as a window does (an
    // empty one is not shown and answers Ok); the scripted platform records and answers.
    static MsgAnswer show(const Message &message);

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
