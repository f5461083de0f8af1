#include "office/DataSheetExport.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTextDocument>

#include "archive/ContactRecord.h"
#include "office/DataSheetDocument.h"
#include "office/ExportMessages.h"
#include "office/OfficeAvailability.h"
#include "platform/HourglassCursor.h"
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

DataSheetExport::Result DataSheetExport::run(const DataSheetContent &content,
                                             const QImage &emptyLogo) {
    if (!OfficeAvailability::isAvailable(OfficeAvailability::Kind::Document))
        return {Outcome::NotInstalled,
                {.message = {.text = QString::fromUtf8(ExportMessages::kDocumentMissingText),
                             .title = QString::fromUtf8(ExportMessages::kDocumentMissingTitle),
                             .icon = MsgIcon::Critical}}};
    if (nameMissing(content))
        return {Outcome::MissingName,
                {.message = {.text = QString::fromUtf8(ExportMessages::kMissingNameText),
                             .title = QString::fromUtf8(ExportMessages::kMissingNameTitle),
                             .icon = MsgIcon::Exclamation}}};
    HourglassCursor hourglass;
    // The folder stays: the word processor reads the file after this returns.
    QTemporaryDir folder(QDir::tempPath() + QStringLiteral("/cartaflex-scheda-XXXXXX"));
    if (!folder.isValid()) return {Outcome::Failed, {}};
    folder.setAutoRemove(false);
    const QString path = ProgramFolder::join(folder.path(), QString::fromLatin1(kFileName));
    if (!writeTo(content, emptyLogo, path, folder.path())) {
        folder.remove();
        return {Outcome::Failed, {}};
    }
    MessageFlow offer =
        OfficeAvailability::openOrOfferSave(path, OfficeAvailability::Kind::Document);
    const Outcome outcome = offer.message.isEmpty() ? Outcome::Opened : Outcome::Failed;
    return {outcome, std::move(offer)};
}
