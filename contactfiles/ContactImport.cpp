#include "contactfiles/ContactImport.h"

#include <QFile>
#include <QFileInfo>

#include "archive/ArchiveLock.h"
#include "archive/ArchiveStore.h"
#include "contactfiles/CsvContactReader.h"
#include "contactfiles/TransferMessages.h"
#include "contactfiles/VcardReader.h"

namespace {

QString text(const char *utf8) {
    return QString::fromUtf8(utf8);
}

// A name for a contact that has none: its e-mail address or a telephone number.
void nameFromContacts(ContactRecord &r) {
    for (auto f : {ContactRecord::Email, ContactRecord::Tel, ContactRecord::Cel}) {
        if (!r.value(ContactRecord::Titolo).isEmpty()) return;
        r.setValue(ContactRecord::Titolo, r.value(f));
    }
}

}  // namespace

bool ContactImport::fail(const QString &message) {
    m_message = message;
    return false;
}

bool ContactImport::open(const QString &path) {
    m_path = path;
    m_message.clear();
    const QString name = QFileInfo(path).fileName();
    QFile f(path);
    const QFileInfo info(path);
    if (info.isDir() || !f.open(QIODevice::ReadOnly))
        return fail(
            text(TransferMessages::kUnreadableText)
                .arg(name, info.isDir() ? QStringLiteral("è una cartella") : f.errorString()));
    m_size = f.size();
    if (m_size > kMaxBytes)
        return fail(text(TransferMessages::kTooLargeText)
                        .arg(name)
                        .arg((m_size + (1 << 20) - 1) >> 20)
                        .arg(kMaxBytes >> 20));
    // One pass over the file: NUL bytes, and whether it is UTF-8 throughout.
    TextEncoding scan;
    QByteArray block(ContactFileReader::kBlockSize, Qt::Uninitialized);
    QByteArray head;
    for (;;) {
        const qint64 got = f.read(block.data(), block.size());
        if (got < 0)
            return fail(text(TransferMessages::kUnreadableText).arg(name, f.errorString()));
        if (got == 0) break;
        if (head.size() < 64) head += block.left(std::min<qint64>(got, 64));
        scan.scan(block.constData(), got);
        if (scan.sawNul()) return fail(text(TransferMessages::kNulText).arg(name));
    }
    scan.finish();
    m_encoding = scan.kind();
    if (TextEncoding::startsWithBom(head)) head.remove(0, 3);
    if (head.trimmed().isEmpty()) return fail(text(TransferMessages::kEmptyText).arg(name));
    m_format = head.trimmed().toUpper().startsWith("BEGIN:VCARD") ? Format::Vcard : Format::Csv;
    return true;
}

std::unique_ptr<ContactFileReader> ContactImport::reader() const {
    if (m_format == Format::Vcard) return std::make_unique<VcardReader>();
    return std::make_unique<CsvContactReader>();
}

std::optional<ImportRow> ContactImport::classify(const ContactDraft &draft) {
    ImportRow row;
    ContactRecord record = draft.toRecord();
    nameFromContacts(record);
    // Nothing to call it by: not a contact.
    if (ContactRecord::trimBlanks(record.value(ContactRecord::Titolo)).isEmpty())
        return std::nullopt;
    if (ImportRow::readsBackAsIs(record)) {
        row.record = std::move(record);
    } else {
        row.note = ImportRow::problems(record);
        row.record = record.normalized();
    }
    if (m_index.addOrFind(row.record)) {
        row.status = ImportRow::Status::AlreadyPresent;
        ++m_present;
    } else if (!row.note.isEmpty()) {
        row.status = ImportRow::Status::ToCheck;
        ++m_toCheck;
    }
    ++m_rows;
    return row;
}

bool ContactImport::readRows(const RowVisitor &visit, const Progress &progress,
                             const std::function<bool(const ImportRow &)> &take) {
    m_present = m_toCheck = m_rows = m_imported = 0;
    const QString name = QFileInfo(m_path).fileName();
    if (!m_index.load(m_store))
        return fail(text(TransferMessages::kCannotWriteText).arg(m_store.errorString()));
    QFile f(m_path);
    if (!f.open(QIODevice::ReadOnly))
        return fail(text(TransferMessages::kUnreadableText).arg(name, f.errorString()));
    auto r = reader();
    bool taken = true;
    const bool ok = r->read(
        f, m_encoding,
        [&](const ContactDraft &draft) {
            const std::optional<ImportRow> row = classify(draft);
            if (!row) return true;
            if (visit) visit(*row);
            taken = take(*row);
            return taken;
        },
        [&](qint64 done) {
            if (progress && m_size > 0) progress(double(done) / double(m_size));
        });
    if (!ok) return fail(text(TransferMessages::kNotContactsText).arg(name, r->error()));
    if (!taken) return false;
    if (m_rows == 0) return fail(text(TransferMessages::kNoContactsText).arg(name));
    return true;
}

bool ContactImport::preview(const RowVisitor &visit, const Progress &progress) {
    return readRows(visit, progress, [](const ImportRow &) { return true; });
}

bool ContactImport::run(Choice choice, const RowVisitor &visit, const Progress &progress) {
    m_busy = false;
    // The lock is held from reading the archive for the duplicate rule to the last write.
    ArchiveLock lock(m_store.archivePath());
    if (!lock.acquire()) {
        m_busy = lock.busy();
        return fail(m_busy ? text(ArchiveLock::kBusyText)
                           : text(TransferMessages::kCannotWriteText).arg(lock.errorString()));
    }
    bool readOk = true;
    bool writeFailed = false;
    const int appended =
        m_store.appendRecords([&](const ArchiveStore::RecordWriter &write, QString &why) {
            readOk = readRows(visit, progress, [&](const ImportRow &row) {
                if (row.status == ImportRow::Status::AlreadyPresent && choice == Choice::NewOnly)
                    return true;
                writeFailed = !write(row.record);
                return !writeFailed;
            });
            if (!readOk && !writeFailed) why = m_message;
            return readOk;
        });
    if (!readOk && !writeFailed) return false;
    if (appended < 0) {
        m_busy = m_store.busy();
        return fail(m_busy ? text(ArchiveLock::kBusyText)
                           : text(TransferMessages::kCannotWriteText).arg(m_store.errorString()));
    }
    m_imported = appended;
    m_message = text(TransferMessages::kImportedText).arg(m_imported).arg(m_present);
    return true;
}
