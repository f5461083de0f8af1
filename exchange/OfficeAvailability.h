#pragma once

#include <QString>

// Whether the user has a program for office files of a kind, and opening a finished file
// in it. A kind counts as available when the desktop has an application registered for
// its file type (the default application of its MIME type) or LibreOffice is installed.
class OfficeAvailability {
public:
    enum class Kind { Spreadsheet, Document };

    static QString mimeType(Kind kind);
    // The desktop file of the default application for the MIME type, empty when none.
    static QString defaultApplication(const QString &mimeType);
    // The full path of LibreOffice's launcher found on PATH, empty when not installed.
    static QString libreOfficeProgram();
    static bool isAvailable(Kind kind);

    // Opens the file as a new, untitled document where the program allows it: with
    // LibreOffice `soffice -n FILE` (the file serves as a template), otherwise the
    // desktop's open request. False when nothing could be started.
    static bool openAsNewDocument(const QString &file);
};
