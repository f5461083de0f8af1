#include "archive/ContactEditor.h"

#include "archive/ArchiveLock.h"
#include "archive/ArchiveMessages.h"
#include "archive/PositionLabel.h"

namespace {

QString u8(const char *s) {
    return QString::fromUtf8(s);
}

Message message(const QString &text, const char *title, MsgIcon icon, bool beep = false) {
    return Message{text, u8(title), icon, MsgButtons::Ok, beep};
}

// Another copy of the program was changing the archive for the whole waiting time: the
// user is told so, not that the file is protected, and may simply try again.
Message busyMessage() {
    return message(u8(ArchiveLock::kBusyText), ArchiveLock::kBusyTitle, MsgIcon::Exclamation, true);
}

}  // namespace

ContactEditor::SaveOutcome ContactEditor::save(const QString &labelText,
                                               const ContactRecord &record,
                                               const ContactRecord *shown) {
    using namespace ArchiveMessages;
    SaveOutcome out;
    out.labelText = labelText;
    const Message failed = message(u8(kSaveErrorText), kSaveErrorTitle, MsgIcon::Critical, true);

    if (ContactRecord::trimBlanks(record.titolo()).isEmpty()) {
        out.result = SaveResult::MissingName;
        out.message = message(u8(kMissingNameText), kMissingNameTitle, MsgIcon::Exclamation);
        return out;
    }

    if (!labelText.isEmpty()) {
        const int n = PositionLabel::value(labelText);
        const int count = m_store.recordCount();
        if (count < 0) {
            out.result = SaveResult::Failed;
            out.message = failed;
            return out;
        }
        if (n < 1 || n > count) {
            out.result = SaveResult::OutOfRange;
            out.labelText.clear();
            out.message = message(u8(kCannotSaveChangesText), kCannotSaveChangesTitle,
                                  MsgIcon::Critical, true);
            return out;
        }
        if (!m_store.writeRecord(n, record, shown)) {
            if (m_store.changedElsewhere()) {
                out.result = SaveResult::ChangedElsewhere;
                out.number = n;
                out.message = changedElsewhereMessage();
                return out;
            }
            out.result = SaveResult::Failed;
            out.message = m_store.busy() ? busyMessage() : failed;
            return out;
        }
        out.result = SaveResult::Changed;
        out.number = n;
        out.message = message(u8(kChangedPrefix) + labelText + u8(kChangedSuffix), kSavedTitle,
                              MsgIcon::Information);
        return out;
    }

    const int n = m_store.appendRecord(record);
    if (n <= 0) {
        out.result = SaveResult::Failed;
        out.message = m_store.busy() ? busyMessage() : failed;
        return out;
    }
    out.result = SaveResult::Added;
    out.number = n;
    out.labelText = PositionLabel::text(n);
    out.message = message(u8(kAddedPrefix) + out.labelText + u8(kAddedSuffix), kSavedTitle,
                          MsgIcon::Information);
    return out;
}

Message ContactEditor::deleteQuestion(const QString &labelText) {
    if (labelText.isEmpty()) return notShownMessage();
    Message question = message(u8(ArchiveMessages::kDeleteConfirmPrefix) + labelText + u'?',
                               ArchiveMessages::kDeleteConfirmTitle, MsgIcon::Question);
    question.buttons = MsgButtons::YesNo;
    return question;
}

Message ContactEditor::unsavedQuestion(int number) {
    Message question = message(u8(ArchiveMessages::kUnsavedPrefix) + QString::number(number) + u'?',
                               ArchiveMessages::kUnsavedTitle, MsgIcon::Question);
    question.buttons = MsgButtons::YesNoCancel;
    return question;
}

Message ContactEditor::notShownMessage() {
    return message(u8(ArchiveMessages::kDeleteNotApplicableText),
                   ArchiveMessages::kDeleteNotApplicableTitle, MsgIcon::Exclamation);
}

Message ContactEditor::deletedMessage() {
    return message(u8(ArchiveMessages::kDeletedText), ArchiveMessages::kDeletedTitle,
                   MsgIcon::Information);
}

Message ContactEditor::deleteFailedMessage() {
    return message(u8(ArchiveMessages::kDeleteErrorText), ArchiveMessages::kDeleteErrorTitle,
                   MsgIcon::Critical, true);
}

Message ContactEditor::changedElsewhereMessage() {
    return message(u8(ArchiveMessages::kChangedElsewhereText),
                   ArchiveMessages::kChangedElsewhereTitle, MsgIcon::Exclamation, true);
}

ContactEditor::DeleteOutcome ContactEditor::remove(const QString &labelText,
                                                   const ContactRecord *shown) {
    if (labelText.isEmpty()) return {DeleteResult::NotShown, notShownMessage()};
    const int n = PositionLabel::value(labelText);
    const int count = m_store.recordCount();
    if (count < 0) return {DeleteResult::Failed, deleteFailedMessage()};
    if (n < 1 || n > count) {
        // The archive was shortened or replaced since the record was shown (a restore
        // from backup): no other record is removed in its place.
        return {DeleteResult::Gone, notShownMessage()};
    }
    if (!m_store.deleteRecord(n, shown)) {
        if (m_store.changedElsewhere())
            return {DeleteResult::ChangedElsewhere, changedElsewhereMessage()};
        return {DeleteResult::Failed, m_store.busy() ? busyMessage() : deleteFailedMessage()};
    }
    return {DeleteResult::Deleted, deletedMessage()};
}
