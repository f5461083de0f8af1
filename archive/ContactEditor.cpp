#include "archive/ContactEditor.h"

#include "archive/ArchiveLock.h"
#include "archive/ArchiveMessages.h"
#include "archive/PositionLabel.h"

namespace {

QString u8(const char *s) {
    return QString::fromUtf8(s);
}

ContactEditor::Notice notice(const QString &text, const char *title, MsgIcon icon,
                             bool beep = false) {
    return ContactEditor::Notice{text, u8(title), icon, beep};
}

// Another copy of the program was changing the archive for the whole waiting time: the
// user is told so, not that the file is protected, and may simply try again.
ContactEditor::Notice busyNotice() {
    return notice(u8(ArchiveLock::kBusyText), ArchiveLock::kBusyTitle, MsgIcon::Exclamation, true);
}

void show(const ContactEditor::Notice &n, MsgButtons buttons = MsgButtons::Ok) {
    if (n.beep) Platform::instance().beep();
    Platform::instance().messageBox(n.text, n.title, n.icon, buttons);
}

}  // namespace

ContactEditor::SaveOutcome ContactEditor::save(const QString &labelText,
                                               const ContactRecord &record,
                                               const ContactRecord *shown) {
    using namespace ArchiveMessages;
    SaveOutcome out;
    out.labelText = labelText;
    const ContactEditor::Notice failed =
        notice(u8(kSaveErrorText), kSaveErrorTitle, MsgIcon::Critical, true);

    if (ContactRecord::trimBlanks(record.titolo()).isEmpty()) {
        out.result = SaveResult::MissingName;
        out.notice = notice(u8(kMissingNameText), kMissingNameTitle, MsgIcon::Exclamation);
        return out;
    }

    if (!labelText.isEmpty()) {
        const int n = PositionLabel::value(labelText);
        const int count = m_store.recordCount();
        if (count < 0) {
            out.result = SaveResult::Failed;
            out.notice = failed;
            return out;
        }
        if (n < 1 || n > count) {
            out.result = SaveResult::OutOfRange;
            out.labelText.clear();
            out.notice = notice(u8(kCannotSaveChangesText), kCannotSaveChangesTitle,
                                MsgIcon::Critical, true);
            return out;
        }
        if (!m_store.writeRecord(n, record, shown)) {
            if (m_store.changedElsewhere()) {
                out.result = SaveResult::ChangedElsewhere;
                out.number = n;
                out.notice = changedElsewhereNotice();
                return out;
            }
            out.result = SaveResult::Failed;
            out.notice = m_store.busy() ? busyNotice() : failed;
            return out;
        }
        out.result = SaveResult::Changed;
        out.number = n;
        out.notice = notice(u8(kChangedPrefix) + labelText + u8(kChangedSuffix), kSavedTitle,
                            MsgIcon::Information);
        return out;
    }

    const int n = m_store.appendRecord(record);
    if (n <= 0) {
        out.result = SaveResult::Failed;
        out.notice = m_store.busy() ? busyNotice() : failed;
        return out;
    }
    out.result = SaveResult::Added;
    out.number = n;
    out.labelText = PositionLabel::text(n);
    out.notice = notice(u8(kAddedPrefix) + out.labelText + u8(kAddedSuffix), kSavedTitle,
                        MsgIcon::Information);
    return out;
}

ContactEditor::Notice ContactEditor::deleteQuestion(const QString &labelText) {
    return notice(u8(ArchiveMessages::kDeleteConfirmPrefix) + labelText + u'?',
                  ArchiveMessages::kDeleteConfirmTitle, MsgIcon::Question);
}

ContactEditor::Notice ContactEditor::notShownNotice() {
    return notice(u8(ArchiveMessages::kDeleteNotApplicableText),
                  ArchiveMessages::kDeleteNotApplicableTitle, MsgIcon::Exclamation);
}

ContactEditor::Notice ContactEditor::deletedNotice() {
    return notice(u8(ArchiveMessages::kDeletedText), ArchiveMessages::kDeletedTitle,
                  MsgIcon::Information);
}

ContactEditor::Notice ContactEditor::deleteFailedNotice() {
    return notice(u8(ArchiveMessages::kDeleteErrorText), ArchiveMessages::kDeleteErrorTitle,
                  MsgIcon::Critical, true);
}

ContactEditor::Notice ContactEditor::changedElsewhereNotice() {
    return notice(u8(ArchiveMessages::kChangedElsewhereText),
                  ArchiveMessages::kChangedElsewhereTitle, MsgIcon::Exclamation, true);
}

ContactEditor::DeleteResult ContactEditor::remove(const QString &labelText,
                                                  const ContactRecord *shown) {
    if (labelText.isEmpty()) {
        show(notShownNotice());
        return DeleteResult::NotShown;
    }
    const Notice question = deleteQuestion(labelText);
    if (Platform::instance().messageBox(question.text, question.title, question.icon,
                                        MsgButtons::YesNo) != MsgAnswer::Yes)
        return DeleteResult::Declined;
    const int n = PositionLabel::value(labelText);
    const int count = m_store.recordCount();
    if (count < 0) {
        show(deleteFailedNotice());
        return DeleteResult::Failed;
    }
    if (n < 1 || n > count) {
        // The archive was shortened or replaced since the record was shown (a restore
        // from backup): no other record is removed in its place.
        show(notShownNotice());
        return DeleteResult::Gone;
    }
    if (!m_store.deleteRecord(n, shown)) {
        if (m_store.changedElsewhere()) {
            show(changedElsewhereNotice());
            return DeleteResult::ChangedElsewhere;
        }
        show(m_store.busy() ? busyNotice() : deleteFailedNotice());
        return DeleteResult::Failed;
    }
    return DeleteResult::Deleted;
}
