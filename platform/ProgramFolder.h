#pragma once

#include <QString>

// The program folder: where Contatti.edb, Cartaflex.ini and Logo.bmp live.
// Run from its build folder, or from any folder of its own that it may write (a portable
// copy), it is the executable's folder when that folder is writable, otherwise the
// per-user data folder. Installed (the executable in <prefix>/bin beside
// <prefix>/share/cartaflex), it is always the per-user data folder
// (~/.local/share/Cartaflex). Tests and `cartaflex-cli --folder` set it.
class ProgramFolder {
public:
    static QString path();
    static void setPath(const QString &folder);
    // The folder joined with a bare file name, with no doubled separator at the root.
    static QString filePath(const QString &fileName);
    static QString join(const QString &folder, const QString &fileName);
    // The folder of the files shipped with the program (Guida.pdf, translations, sample
    // logos): <prefix>/share/cartaflex when installed, else the executable's folder.
    static QString installPath();

    // Makes sure the program folder exists before anything reads or writes it: creates
    // the per-user folder on first start. Returns the message for the user when it cannot
    // be created (nothing else is touched then), empty when all is well.
    static QString prepare();

    // The rules above for an executable in `exeDir` and a per-user folder `perUser`.
    static bool isInstalled(const QString &exeDir);
    static QString choose(const QString &exeDir, const QString &perUser);
    static QString sharedFiles(const QString &exeDir);
    static QString prepare(const QString &folder);

    // A program folder that cannot be written but holds an archive (a portable copy on a
    // read-only disk): its Contatti.edb, Cartaflex.ini and Logo.bmp are copied once into the
    // per-user folder, never over an archive already there. Returns what the user is told,
    // once: the copy and both folders, or which archive is used when both folders hold
    // one; empty when there is nothing to say.
    static QString adoptArchive();
    static QString adoptArchive(const QString &programFolder, const QString &perUser);
    static constexpr const char *kAdoptTitle = "Cartella dei dati";
    // The per-user folder's note of the program folder it was told about.
    static constexpr const char *kAdoptNote = ".cartella-del-programma";

    static constexpr const char *kShareFolder = "share/cartaflex";
    static constexpr const char *kUncreatableTitle = "Impossibile avviare Cartaflex";
};
