#pragma once

#include <QImage>
#include <QString>

#include "office/DataSheetContent.h"
#include "platform/MessageFlow.h"

// The archive window's data-sheet export: checks that a word processor is there and that
// the contact has a name, writes the sheet as .odt into a fresh temporary folder and opens
// it in the word processor as a new document.
class DataSheetExport {
public:
    enum class Outcome { NotInstalled, MissingName, Opened, Failed };
    // How the export went, and what the window then shows (the refusal, or the offer to
    // save a sheet that did not open).
    struct Result {
        Outcome outcome;
        MessageFlow messages;
    };

    // `emptyLogo` is the picture embedded when the contact has no large-card logo (the
    // window's empty-logo picture; a single white pixel when null).
    static Result run(const DataSheetContent &content, const QImage &emptyLogo = QImage());

    // Writes the sheet to `path`, the empty-logo picture going into `scratchFolder` when
    // it is needed. False (with the reason) when the file cannot be written.
    static bool writeTo(const DataSheetContent &content, const QImage &emptyLogo,
                        const QString &path, const QString &scratchFolder,
                        QString *error = nullptr);

    // True when the trimmed name is empty.
    static bool nameMissing(const DataSheetContent &content);

    static constexpr const char *kFileName = "Scheda dati personali.odt";
    static constexpr const char *kEmptyLogoName = "Logo vuoto.png";
};
