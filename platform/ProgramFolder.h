#pragma once

#include <QString>

// The program folder: where Contatti.edb, Cartaflex.ini, Logo.bmp and Guida.pdf live.
// It is the executable's folder when that folder is writable (a portable install),
// otherwise the per-user data folder. Tests and `cartaflex-cli --folder` set it.
class ProgramFolder {
public:
    static QString path();
    static void setPath(const QString &folder);
    // The folder joined with a bare file name, with no doubled separator at the root.
    static QString filePath(const QString &fileName);
    static QString join(const QString &folder, const QString &fileName);
    // The folder of the executable, where the files shipped with the program (Guida.pdf) are.
    static QString installPath();
};
