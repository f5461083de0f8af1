#include "contactlist/ListSelection.h"

#include <QSet>
#include <algorithm>

#include "archive/ArchiveLock.h"
#include "archive/ArchiveMessages.h"
#include "archive/ArchiveStore.h"
#include "archive/ContactEditor.h"
#include "archive/ContactRecord.h"
#include "archive/MailMessages.h"
#include "archive/MailtoBuilder.h"

namespace {

QString u8(const char *s) {
    return QString::fromUtf8(s);
}

}  // namespace

QList<RecordIdentity> ListSelection::identities() const {
    QList<RecordIdentity> ids;
    ids.reserve(m_contacts.size());
    for (const Contact &c : m_contacts) ids << c.identity;
    return ids;
}

QList<int> ListSelection::numbers() const {
    QList<int> numbers;
    numbers.reserve(m_contacts.size());
    for (const Contact &c : m_contacts) numbers << c.identity.number;
    std::sort(numbers.begin(), numbers.end());
    numbers.erase(std::unique(numbers.begin(), numbers.end()), numbers.end());
    return numbers;
}

Message ListSelection::check(ArchiveStore &store) const {
    if (store.holdsAll(identities())) return {};
    return ContactEditor::changedElsewhereMessage();
}

Message ListSelection::deleteQuestion() const {
    QStringList names;
    for (int i = 0; i < m_contacts.size() && i < kNamesShown; ++i) names << m_contacts[i].name;
    QString text;
    if (m_contacts.size() == 1) {
        text = u8(ArchiveMessages::kDeleteConfirmPrefix) + u' ' +
               QString::number(m_contacts.first().identity.number) + u'?';
    } else {
        text = QStringLiteral("Si vogliono proprio cancellare %1 schede?").arg(m_contacts.size());
    }
    QString list = names.join(QStringLiteral(", "));
    const int others = int(m_contacts.size()) - int(names.size());
    if (others == 1) list += QStringLiteral(" e un'altra.");
    if (others > 1) list += QStringLiteral(" e altre %1.").arg(others);
    text += QStringLiteral("\r\n\r\n") + list;
    return Message{text, u8(ArchiveMessages::kDeleteConfirmTitle), MsgIcon::Question,
                   MsgButtons::YesNo};
}

ListSelection::DeleteOutcome ListSelection::remove(ArchiveStore &store) const {
    if (store.deleteRecords(identities())) {
        const QString text = m_contacts.size() == 1
                                 ? u8(ArchiveMessages::kDeletedText)
                                 : QStringLiteral("Le %1 schede sono state rimosse dall'archivio.")
                                       .arg(numbers().size());
        return {DeleteResult::Deleted,
                Message{text, u8(ArchiveMessages::kDeletedTitle), MsgIcon::Information}};
    }
    if (store.changedElsewhere())
        return {DeleteResult::ChangedElsewhere, ContactEditor::changedElsewhereMessage()};
    if (store.busy())
        return {DeleteResult::Failed,
                Message{u8(ArchiveLock::kBusyText), u8(ArchiveLock::kBusyTitle),
                        MsgIcon::Exclamation, MsgButtons::Ok, true}};
    return {DeleteResult::Failed, ContactEditor::deleteFailedMessage()};
}

QStringList ListSelection::addresses() const {
    QStringList out;
    QSet<QString> seen;
    for (const Contact &c : m_contacts) {
        const QString address = ContactRecord::trimBlanks(c.email);
        if (address.isEmpty() || seen.contains(address.toLower())) continue;
        seen.insert(address.toLower());
        out << address;
    }
    return out;
}

QString ListSelection::mailRequest() const {
    const QStringList all = addresses();
    if (all.isEmpty()) return QString();
    return MailtoBuilder::build(QString(), QString(), QString(), QString(), all.join(u','));
}

Message ListSelection::nothingSelected() {
    return Message{QStringLiteral("Selezionare almeno un contatto nell'elenco."),
                   QStringLiteral("Attenzione: nessun contatto selezionato"), MsgIcon::Exclamation};
}

Message ListSelection::noAddress() {
    return Message{QStringLiteral("Nessuno dei contatti selezionati ha un indirizzo e-mail."),
                   u8(MailMessages::kMissingAddressTitle), MsgIcon::Exclamation};
}

Message ListSelection::noMailProgram() {
    return Message{u8(MailMessages::kNoMailProgramText), u8(MailMessages::kWindowFailedTitle),
                   MsgIcon::Critical};
}
