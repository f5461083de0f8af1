#include "exchange/DataSheetExport.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTextDocument>

#include "archive/ContactRecord.h"
#include "exchange/DataSheetDocument.h"
#include "exchange/ExportMessages.h"
#include "exchange/OfficeAvailability.h"
#include "platform/HourglassCursor.h"
#include "platform/Platform.h"
#include "platform/ProgramFolder.h"

bool DataSheetExport::nameMissing(const DataSheetContent &content) {
    return ContactRecord::trimBlanks(content.titolo).isEmpty();
}

bool DataSheetExport::writeTo(const DataSheetContent &content, const QImage &emptyLogo,
                              const QString &path, const QString &scratchFolder, QString *error) {
    QString logo = ContactRecord::trimBlanks(content.logoPath);
    if (logo.isEmpty()) {
        // The empty-logo picture goes through a file of its own, as any logo does.
        QImage blank = emptyLogo;
        if (blank.isNull()) {
            blank = QImage(1, 1, QImage::Format_RGB32);
            blank.fill(Qt::white);
        }
        logo = ProgramFolder::join(scratchFolder, QString::fromLatin1(kEmptyLogoName));
        if (!blank.save(logo, "PNG")) logo.clear();
    }
    auto document = DataSheetDocument::build(content, logo);
    return DataSheetDocument::writeOdt(*document, path, error);
}

DataSheetExport::Outcome DataSheetExport::run(const DataSheetContent &content,
                                              const QImage &emptyLogo) {
    Platform &platform = Platform::instance();
    if (!OfficeAvailability::isAvailable(OfficeAvailability::Kind::Document)) {
        platform.messageBox(QString::fromUtf8(ExportMessages::kDocumentMissingText),
                            QString::fromUtf8(ExportMessages::kDocumentMissingTitle),
                            MsgIcon::Critical, MsgButtons::Ok);
        return Outcome::NotInstalled;
    }
    if (nameMissing(content)) {
        platform.messageBox(QString::fromUtf8(ExportMessages::kMissingNameText),
                            QString::fromUtf8(ExportMessages::kMissingNameTitle),
                            MsgIcon::Exclamation, MsgButtons::Ok);
        return Outcome::MissingName;
    }
    HourglassCursor hourglass;
    // The folder stays: the word processor reads the file after this returns.
    QTemporaryDir folder(QDir::tempPath() + QStringLiteral("/cartaflex-scheda-XXXXXX"));
    if (!folder.isValid()) return Outcome::Failed;
    folder.setAutoRemove(false);
    const QString path = ProgramFolder::join(folder.path(), QString::fromLatin1(kFileName));
    if (!writeTo(content, emptyLogo, path, folder.path())) {
        folder.remove();
        return Outcome::Failed;
    }
    return OfficeAvailability::openOrOfferSave(path, OfficeAvailability::Kind::Document)
               ? Outcome::Opened
               : Outcome::Failed;
}
