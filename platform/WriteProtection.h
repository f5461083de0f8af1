#pragma once

#include <QString>

// A file or folder marked read-only (no write permission bit at all) is treated as
// protected even for a user whom the system would let write (root), as a read-only
// attribute is on the desktop: the program refuses to change it.
class WriteProtection {
public:
    static bool isProtected(const QString &path);
    // The folder of `filePath` is protected (a new file cannot be created there).
    static bool folderProtected(const QString &filePath);
};
