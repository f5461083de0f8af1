#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include "archive/RecordIdentity.h"
#include "platform/Message.h"

class ArchiveStore;

// The contacts selected in the list and what the list does with them, without the window:
// the check that the archive still holds them, the deletion with its question and report,
// and the e-mail request with their addresses in blind copy.
class ListSelection {
public:
    struct Contact {
        RecordIdentity identity;
        QString name;
        QString email;
    };

    explicit ListSelection(const QList<Contact> &contacts = {}) : m_contacts(contacts) {}

    bool isEmpty() const { return m_contacts.isEmpty(); }
    int size() const { return int(m_contacts.size()); }
    const QList<Contact> &contacts() const { return m_contacts; }
    QList<RecordIdentity> identities() const;
    // The record numbers, sorted, each once.
    QList<int> numbers() const;

    // Empty when the archive still holds every selected contact where the list read it;
    // else the message that the archive was changed elsewhere (nothing may be done).
    Message check(ArchiveStore &store) const;

    // The one question before a deletion: how many contacts and the first names.
    Message deleteQuestion() const;
    enum class DeleteResult { Deleted, ChangedElsewhere, Failed };
    struct DeleteOutcome {
        DeleteResult result = DeleteResult::Failed;
        Message message;
    };
    // Removes every selected contact in one change, or none.
    DeleteOutcome remove(ArchiveStore &store) const;

    // The distinct e-mail addresses of the selection, in selection order.
    QStringList addresses() const;
    // One "mailto:" request with every address in blind copy (empty without addresses).
    QString mailRequest() const;

    static Message nothingSelected();
    static Message noAddress();
    static Message noMailProgram();

    // How many names the deletion question lists.
    static constexpr int kNamesShown = 3;

private:
    QList<Contact> m_contacts;
};
