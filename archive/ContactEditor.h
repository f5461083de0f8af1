#pragma once

#include <QString>

#include "archive/ArchiveStore.h"
#include "archive/ContactRecord.h"
#include "platform/Message.h"

// Saving and deleting the contact the archive window shows, without the window: what is
// written, which message the user gets, and what the position label becomes. The archive
// window and the terminal drive their output from these outcomes; nothing here shows a box.
class ContactEditor {
public:
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
        Message message;
    };

    explicit ContactEditor(ArchiveStore &store) : m_store(store) {}

    // Save of the window: `labelText` is the position label (empty for a new contact).
    // `shown`, when given, is the record as the window last read it: the shown record is
    // rewritten only while the archive still holds exactly that.
    SaveOutcome save(const QString &labelText, const ContactRecord &record,
                     const ContactRecord *shown = nullptr);

    enum class DeleteResult {
        NotShown,  // no stored record is shown: nothing removed
        Gone,      // the shown number is past the end of the archive: nothing removed
        Deleted,
        ChangedElsewhere,  // the shown record no longer holds the shown contact: kept
        Failed             // the archive could not be rewritten; it is as it was
    };

    struct DeleteOutcome {
        DeleteResult result = DeleteResult::Failed;
        Message message;  // for Deleted, the report the window shows after browsing
    };

    // What the user answers before a deletion: the Yes/No question for a shown record, or
    // (no record shown) the NotShown message with Ok alone. Only a Yes leads to remove().
    static Message deleteQuestion(const QString &labelText);
    static Message notShownMessage();
    static Message deletedMessage();
    static Message deleteFailedMessage();
    static Message changedElsewhereMessage();
    // Asked before typed changes to contact `number` would be lost (browsing, a new
    // contact, a search, closing): Yes saves first, No goes on, Cancel stays.
    static Message unsavedQuestion(int number);

    // Characters the archive cannot hold become the nearest plain letter (Cp1252Fold):
    // the characters of the record that change, each once, "" when none.
    static QString unholdable(const ContactRecord &record);
    // The record as the archive will hold it.
    static ContactRecord folded(const ContactRecord &record);
    // "ř → r, Ł → L": what the characters become.
    static QString foldList(const QString &characters);
    // Asked before saving such a record (Yes saves the plain letters, No saves nothing).
    static Message foldQuestion(const QString &characters);

    // Removes the shown record, once the user agreed (only while the archive still holds
    // `shown`, when given).
    DeleteOutcome remove(const QString &labelText, const ContactRecord *shown = nullptr);

private:
    ArchiveStore &m_store;
};
