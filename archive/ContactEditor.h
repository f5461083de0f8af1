#pragma once

#include <QString>

#include "archive/ArchiveStore.h"
#include "archive/ContactRecord.h"
#include "platform/Platform.h"

// Saving and deleting the contact the archive window shows, without the window: what is
// written, which message the user gets, and what the position label becomes. The archive
// window drives its controls from these outcomes.
class ContactEditor {
public:
    struct Notice {
        QString text;
        QString title;
        MsgIcon icon = MsgIcon::None;
        bool beep = false;
    };

    enum class SaveResult {
        MissingName,       // nothing written: the name is blank
        OutOfRange,        // the shown number is no longer in the archive: nothing written
        Added,             // a new contact stored as record `number`
        Changed,           // the shown record `number` rewritten
        ChangedElsewhere,  // record `number` no longer holds the shown contact: nothing written
        Failed             // the archive could not be written; it is as it was
    };
    struct SaveOutcome {
        SaveResult result = SaveResult::Failed;
        int number = 0;
        QString labelText;  // the position label after the save
        Notice notice;
    };

    explicit ContactEditor(ArchiveStore &store) : m_store(store) {}

    // Save of the window: `labelText` is the position label (empty for a new contact).
    // `shown`, when given, is the record as the window last read it: the shown record is
    // rewritten only while the archive still holds exactly that.
    SaveOutcome save(const QString &labelText, const ContactRecord &record,
                     const ContactRecord *shown = nullptr);

    enum class DeleteResult {
        NotShown,  // no stored record is shown: nothing asked, nothing removed
        Declined,  // the user did not answer Yes
        Gone,      // the shown number is past the end of the archive: nothing removed
        Deleted,
        ChangedElsewhere,  // the shown record no longer holds the shown contact: kept
        Failed             // the archive could not be rewritten; it is as it was
    };

    // The confirmation asked before a deletion.
    static Notice deleteQuestion(const QString &labelText);
    static Notice notShownNotice();
    static Notice deletedNotice();
    static Notice deleteFailedNotice();
    static Notice changedElsewhereNotice();

    // Removes the shown record: asks the confirmation through the platform, then deletes
    // (only while the archive still holds `shown`, when given).
    // The messages of NotShown, Gone, ChangedElsewhere and Failed are shown here; the
    // window browses to the previous record and reports Deleted itself, after the browsing.
    DeleteResult remove(const QString &labelText, const ContactRecord *shown = nullptr);

private:
    ArchiveStore &m_store;
};
