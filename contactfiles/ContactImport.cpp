#include "contactfiles/ContactImport.h"

#include <QBuffer>
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
    m_utf8.clear();
    QByteArray block(ContactFileReader::kBlockSize, Qt::Uninitialized);
    QByteArray head;
    TextEncoding scan;
    qint64 got = f.read(block.data(), block.size());
    if (got < 0) return fail(text(TransferMessages::kUnreadableText).arg(name, f.errorString()));
    m_sourceEncoding = TextEncoding::utf16Of(QByteArray::fromRawData(block.constData(), got));
    if (m_sourceEncoding != TextEncoding::Utf8) {
        // UTF-16: read as UTF-8 from memory (the file is at most kMaxBytes).
        QByteArray all = block.left(got) + f.readAll();
        m_utf8 = TextEncoding::toUtf8(all, m_sourceEncoding);
        if (m_utf8.contains('\0')) return fail(text(TransferMessages::kNulText).arg(name));
        m_encoding = TextEncoding::Utf8;
        head = m_utf8.left(64);
    } else {
        // One pass over the file: NUL bytes, and whether it is UTF-8 throughout.
        while (got > 0) {
            if (head.size() < 64) head += block.left(std::min<qint64>(got, 64));
            scan.scan(block.constData(), got);
            if (scan.sawNul()) return fail(text(TransferMessages::kNulText).arg(name));
            got = f.read(block.data(), block.size());
            if (got < 0)
                return fail(text(TransferMessages::kUnreadableText).arg(name, f.errorString()));
        }
        scan.finish();
        m_encoding = m_sourceEncoding = scan.kind();
    }
    if (TextEncoding::startsWithBom(head)) head.remove(0, 3);
    if (head.trimmed().isEmpty()) return fail(text(TransferMessages::kEmptyText).arg(name));
    m_format = head.trimmed().toUpper().startsWith("BEGIN:VCARD") ? Format::Vcard : Format::Csv;
    if (m_format == Format::Vcard && m_encoding == TextEncoding::Windows1252 && utf8WhenUnfolded(f))
        m_encoding = m_sourceEncoding = TextEncoding::Utf8;
    return true;
}

bool ContactImport::utf8WhenUnfolded(QFile &f) {
    if (!f.seek(0)) return false;
    const QByteArray all = f.readAll();
    QByteArray joined;
    joined.reserve(all.size());
    for (qsizetype i = 0; i < all.size(); ++i) {
        // A line break followed by a blank or a tab continues the line.
        qsizetype next = i;
        if (all.at(i) == '\r' && next + 1 < all.size() && all.at(next + 1) == '\n') ++next;
        if (all.at(next) == '\n' && next + 1 < all.size() &&
            (all.at(next + 1) == ' ' || all.at(next + 1) == '\t')) {
            i = next + 1;
            continue;
        }
        joined.append(all.at(i));
    }
    return TextEncoding::kindOf(joined) == TextEncoding::Utf8;
}

std::unique_ptr<ContactFileReader> ContactImport::reader() const {
    if (m_format == Format::Vcard) return std::make_unique<VcardReader>();
    return std::make_unique<CsvContactReader>();
}

ImportRow ContactImport::classify(const ContactDraft &draft) {
    ImportRow row;
    QString changed;
    ContactRecord record = draft.toRecord(&changed);
    nameFromContacts(record);
    if (ContactRecord::trimBlanks(record.value(ContactRecord::Titolo)).isEmpty()) {
        row.status = ImportRow::Status::Discarded;
        row.note = text(TransferMessages::kDiscardedText);
        row.record = record.normalized();
        ++m_discarded;
        return row;
    }
    QStringList notes;
    if (!changed.isEmpty()) notes << text(TransferMessages::kReplacedText).arg(changed);
    if (ImportRow::readsBackAsIs(record)) {
        row.record = std::move(record);
    } else {
        const QString problems = ImportRow::problems(record);
        if (!problems.isEmpty()) notes << problems;
        row.record = record.normalized();
    }
    row.note = notes.join(QStringLiteral("; "));
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
    m_present = m_toCheck = m_rows = m_imported = m_discarded = 0;
    m_recognised.clear();
    const QString name = QFileInfo(m_path).fileName();
    if (!m_index.load(m_store))
        return fail(text(TransferMessages::kCannotWriteText).arg(m_store.errorString()));
    QFile f(m_path);
    QBuffer memory(&m_utf8);
    QIODevice *in = &f;
    if (!m_utf8.isEmpty()) {
        memory.open(QIODevice::ReadOnly);
        in = &memory;
    } else if (!f.open(QIODevice::ReadOnly)) {
        return fail(text(TransferMessages::kUnreadableText).arg(name, f.errorString()));
    }
    const qint64 size = m_utf8.isEmpty() ? m_size : m_utf8.size();
    auto r = reader();
    bool taken = true;
    const bool ok = r->read(
        *in, m_encoding,
        [&](const ContactDraft &draft) {
            const ImportRow row = classify(draft);
            if (visit) visit(row);
            taken = take(row);
            return taken;
        },
        [&](qint64 done) {
            if (progress && size > 0) progress(double(done) / double(size));
        });
    if (m_format == Format::Vcard) {
        const QStringList versions = static_cast<VcardReader *>(r.get())->versions();
        m_recognised =
            text(TransferMessages::kRecognisedVcardText)
                .arg(versions.isEmpty() ? QString() : u' ' + versions.join(QStringLiteral(", ")));
    } else {
        const QString layout = static_cast<CsvContactReader *>(r.get())->mapping().layout();
        m_recognised = layout.isEmpty() ? text(TransferMessages::kRecognisedCsvText)
                                        : text(TransferMessages::kRecognisedExportText).arg(layout);
    }
    if (!ok) return fail(text(TransferMessages::kNotContactsText).arg(name, r->error()));
    if (!taken) return false;
    if (m_rows == 0 && m_discarded == 0)
        return fail(text(TransferMessages::kNoContactsText).arg(name));
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
                if (row.status == ImportRow::Status::Discarded) return true;
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
