#include "archive/ContactEditor.h"

#include "archive/ArchiveLock.h"
#include "archive/ArchiveMessages.h"
#include "archive/Cp1252Codec.h"
#include "archive/Cp1252Fold.h"
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

namespace {

// A character the archive's code page holds (tabs and line breaks too: they are kept).
bool holdable(QChar c) {
    return c == u'?' || Cp1252Codec::encodeChar(c) != '?';
}

// Only what the code page cannot hold goes through the folding rule; an accent typed as
// a separate mark joins the letter before it.
QString foldUnholdable(const QString &text) {
    QString out;
    out.reserve(text.size());
    qsizetype i = 0;
    while (i < text.size()) {
        if (holdable(text.at(i))) {
            out += text.at(i++);
            continue;
        }
        qsizetype j = i;
        while (j < text.size() && !holdable(text.at(j))) ++j;
        QString run = text.mid(i, j - i);
        if (run.at(0).isMark() && !out.isEmpty()) {
            run.prepend(out.back());
            out.chop(1);
        }
        out += Cp1252Fold::fold(run);
        i = j;
    }
    return out;
}

}  // namespace

QString ContactEditor::unholdable(const ContactRecord &record) {
    QString found;
    for (int f = 0; f < ContactRecord::FieldCount; ++f) {
        const QString text = record.value(ContactRecord::Field(f));
        for (qsizetype i = 0; i < text.size(); ++i) {
            if (holdable(text.at(i))) continue;
            const qsizetype n = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
            const QString c = text.mid(i, n);
            i += n - 1;
            if (!found.contains(c)) found += c;
        }
    }
    return found;
}

ContactRecord ContactEditor::folded(const ContactRecord &record) {
    ContactRecord out = record;
    for (int f = 0; f < ContactRecord::FieldCount; ++f)
        out.setValue(ContactRecord::Field(f),
                     foldUnholdable(record.value(ContactRecord::Field(f))));
    return out;
}

QString ContactEditor::foldList(const QString &characters) {
    QStringList pairs;
    for (qsizetype i = 0; i < characters.size(); ++i) {
        // A character outside the basic plane comes as two halves: keep them together.
        const qsizetype n = characters.at(i).isHighSurrogate() && i + 1 < characters.size() ? 2 : 1;
        const QString c = characters.mid(i, n);
        i += n - 1;
        const QString plain = Cp1252Fold::fold(c);
        pairs << c + QString::fromUtf8(" → ") +
                     (plain.isEmpty() ? QStringLiteral("(nulla)") : plain);
    }
    return pairs.join(QStringLiteral(", "));
}

Message ContactEditor::foldQuestion(const QString &characters) {
    Message question = message(
        u8(ArchiveMessages::kFoldPrefix) + foldList(characters) + u8(ArchiveMessages::kFoldSuffix),
        ArchiveMessages::kFoldTitle, MsgIcon::Question);
    question.buttons = MsgButtons::YesNo;
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
