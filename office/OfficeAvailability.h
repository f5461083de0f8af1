#pragma once

#include <QString>

#include "platform/MessageFlow.h"

// Whether the user has a program for office files of a kind, and opening a finished file
// in it. A kind counts as available when the desktop has an application registered for
// its file type (the default application of its MIME type) or a LibreOffice installation
// that holds the module of that kind (its spreadsheet or its word processor).
class OfficeAvailability {
public:
    enum class Kind { Spreadsheet, Document };

    static QString mimeType(Kind kind);
    // The desktop file of the default application for the MIME type, empty when none.
    static QString defaultApplication(const QString &mimeType);
    // The full path of LibreOffice's launcher found on PATH, empty when not installed.
    static QString libreOfficeProgram();
    // Whether the LibreOffice whose launcher is `program` has the module of the kind
    // beside its real program (symbolic links followed).
    static bool libreOfficeHas(const QString &program, Kind kind);
    static bool isAvailable(Kind kind);

    // Opens the file as a new, untitled document where the program allows it: with
    // LibreOffice `soffice -n FILE` (the file serves as a template), otherwise the
    // desktop's open request. False when nothing could be started, or the program
    // started ended at once with an error.
    static bool openAsNewDocument(const QString &file, Kind kind);

    // openAsNewDocument; when that fails, the question that tells the user so and offers
    // to save the file under a name and in a folder of the user's choice (on Yes the save
    // dialog, then the message of a copy that failed). Nothing to show when the file opened.
    static MessageFlow openOrOfferSave(const QString &file, Kind kind);
};
