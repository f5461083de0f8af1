#pragma once

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>

// A PATH of the test's own for its lifetime: with a stand-in LibreOffice launcher that
// does nothing (beside its spreadsheet and word-processor modules), or with no office
// program at all.
class FakeOffice {
public:
    explicit FakeOffice(bool installed) : m_saved(qgetenv("PATH")) {
        qputenv("PATH", QFile::encodeName(m_dir.path()));
        if (installed) {
            QFile f(m_dir.path() + QStringLiteral("/soffice"));
            f.open(QIODevice::WriteOnly);
            f.write("#!/bin/sh\nexit 0\n");
            f.close();
            f.setPermissions(QFile::ReadOwner | QFile::ExeOwner);
            // The spreadsheet and word-processor modules of the installation.
            for (const char *module : {"/libsclo.so", "/libswlo.so"}) {
                QFile m(m_dir.path() + QLatin1String(module));
                m.open(QIODevice::WriteOnly);
            }
        }
    }
    ~FakeOffice() { qputenv("PATH", m_saved); }

private:
    QTemporaryDir m_dir;
    QByteArray m_saved;
};
