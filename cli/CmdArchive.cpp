// count, list, show, add, update, delete: the archive from the terminal.
#include "archive/ArchiveLock.h"
#include "archive/ArchiveMessages.h"
#include "archive/ArchiveStore.h"
#include "archive/ContactEditor.h"
#include "archive/PositionLabel.h"
#include "cli/CliIo.h"
#include "cli/CliRecord.h"
#include "cli/CliRegistry.h"
#include "cli/FieldAssignments.h"
#include "contactlist/ListFilter.h"

namespace {

QString u8(const char *s) {
    return QString::fromUtf8(s);
}

// Letters the archive cannot hold become plain letters; the terminal says which.
ContactRecord foldedWithNotice(const ContactRecord &record) {
    const QString unholdable = ContactEditor::unholdable(record);
    if (unholdable.isEmpty()) return record;
    CliIo::err(
        QStringLiteral("Caratteri sostituiti: %1.").arg(ContactEditor::foldList(unholdable)));
    return ContactEditor::folded(record);
}

void warnPartial(ArchiveStore &store) {
    const qint64 tail = store.partialTailBytes();
    if (tail > 0)
        CliIo::err(QStringLiteral("Attenzione: l'archivio termina con una scheda incompleta di %1 "
                                  "byte, che non viene letta.")
                       .arg(tail));
}

int count(const QStringList &args) {
    if (!args.isEmpty()) return CliIo::usage(QStringLiteral("count non vuole argomenti"));
    ArchiveStore store;
    const int n = store.recordCount();
    if (n < 0) return CliRecord::unreadable(store);
    warnPartial(store);
    CliIo::out(QString::number(n));
    return 0;
}

int list(const QStringList &args) {
    // `list --filter TEXT`: the contact list's filter.
    const bool filtered = args.size() == 2 && args.first() == QLatin1String("--filter");
    if (!args.isEmpty() && !filtered)
        return CliIo::usage(QStringLiteral("list vuole nessun argomento oppure --filter TESTO"));
    const ListFilter filter(filtered ? args.at(1) : QString());
    ArchiveStore store;
    if (store.recordCount() < 0) return CliRecord::unreadable(store);
    QString buffer;
    const bool ok = store.forEachRawRecord([&](int n, const char *raw) {
        if (!filter.matchesRecord(raw)) return true;
        const ContactRecord r = ContactRecord::decode(raw);
        QString line = QString::number(n);
        for (int f = 0; f < ContactRecord::FieldCount; ++f)
            line += u'\t' + CliIo::oneLine(r.value(ContactRecord::Field(f)));
        buffer += line + u'\n';
        if (buffer.size() > 1 << 16) {
            buffer.chop(1);
            CliIo::out(buffer);
            buffer.clear();
        }
        return true;
    });
    if (!buffer.isEmpty()) {
        buffer.chop(1);
        CliIo::out(buffer);
    }
    if (!ok) return CliRecord::unreadable(store);
    warnPartial(store);
    return 0;
}

int show(const QStringList &args) {
    if (args.size() != 1) return CliIo::usage(QStringLiteral("show vuole il numero della scheda"));
    const int n = FieldAssignments::recordNumber(args.first());
    if (n == 0) return CliIo::usage(QStringLiteral("numero di scheda non valido: ") + args.first());
    ArchiveStore store;
    ContactRecord r;
    if (const int status = CliRecord::read(store, n, r)) return status;
    for (int f = 0; f < ContactRecord::FieldCount; ++f)
        CliIo::out(ContactRecord::fieldName(ContactRecord::Field(f)) + u'=' +
                   CliIo::oneLine(r.value(ContactRecord::Field(f))));
    return 0;
}

int add(const QStringList &args) {
    QList<std::pair<ContactRecord::Field, QString>> fields;
    QString bad;
    if (!FieldAssignments::parse(args, fields, bad))
        return CliIo::usage(QStringLiteral("assegnazione non valida: ") + bad);
    ContactRecord r;
    for (const auto &[f, v] : fields) r.setValue(f, v);
    r = foldedWithNotice(r);
    ArchiveStore store;
    ContactEditor editor(store);
    const ContactEditor::SaveOutcome saved = editor.save(QString(), r);
    if (saved.result != ContactEditor::SaveResult::Added) return CliIo::fail(saved.message.text);
    CliIo::out(QString::number(saved.number));
    return 0;
}

int update(const QStringList &args) {
    if (args.isEmpty()) return CliIo::usage(QStringLiteral("update vuole il numero della scheda"));
    const int n = FieldAssignments::recordNumber(args.first());
    if (n == 0) return CliIo::usage(QStringLiteral("numero di scheda non valido: ") + args.first());
    QList<std::pair<ContactRecord::Field, QString>> fields;
    QString bad;
    if (!FieldAssignments::parse(args.mid(1), fields, bad))
        return CliIo::usage(QStringLiteral("assegnazione non valida: ") + bad);
    ArchiveStore store;
    // Read and written back under one lock, so that a change made meanwhile by another
    // program is not overwritten with the old fields.
    ArchiveLock lock(store.archivePath());
    if (!lock.acquire())
        return CliIo::fail(
            u8(lock.busy() ? ArchiveLock::kBusyText : ArchiveMessages::kSaveErrorText));
    const int total = store.recordCount();
    if (total < 0) return CliRecord::unreadable(store);
    ContactRecord r;
    if (n > total || !store.readRecord(n, r))
        return CliIo::fail(u8(ArchiveMessages::kCannotSaveChangesText));
    for (const auto &[f, v] : fields) r.setValue(f, v);
    r = foldedWithNotice(r);
    // The window's save rules: a name is required, the record must still be there.
    ContactEditor editor(store);
    const ContactEditor::SaveOutcome saved = editor.save(PositionLabel::text(n), r);
    if (saved.result != ContactEditor::SaveResult::Changed) return CliIo::fail(saved.message.text);
    return 0;
}

int remove(const QStringList &args) {
    if (args.size() != 1)
        return CliIo::usage(QStringLiteral("delete vuole il numero della scheda"));
    const int n = FieldAssignments::recordNumber(args.first());
    if (n == 0) return CliIo::usage(QStringLiteral("numero di scheda non valido: ") + args.first());
    ArchiveStore store;
    ArchiveLock lock(store.archivePath());
    if (!lock.acquire())
        return CliIo::fail(
            u8(lock.busy() ? ArchiveLock::kBusyText : ArchiveMessages::kDeleteErrorText));
    const int total = store.recordCount();
    if (total < 0) return CliRecord::unreadable(store);
    // The window's delete rules, without the question: the terminal's user already chose.
    ContactEditor editor(store);
    const ContactEditor::DeleteOutcome out = editor.remove(PositionLabel::text(n));
    if (out.result != ContactEditor::DeleteResult::Deleted) return CliIo::fail(out.message.text);
    return 0;
}

const CliRegistry::Entry kCount("count", "count", count);
const CliRegistry::Entry kList("list", "list [--filter TESTO]", list);
const CliRegistry::Entry kShow("show", "show N", show);
const CliRegistry::Entry kAdd("add", "add CAMPO=VALORE...", add);
const CliRegistry::Entry kUpdate("update", "update N CAMPO=VALORE...", update);
const CliRegistry::Entry kDelete("delete", "delete N", remove);

}  // namespace
