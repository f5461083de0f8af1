#include "contactfiles/ContactExport.h"

#include <QFileInfo>
#include <QSaveFile>

#include "archive/ArchiveStore.h"
#include "archive/ExportTitles.h"
#include "contactfiles/CsvRowWriter.h"
#include "contactfiles/TransferMessages.h"
#include "contactfiles/VcardWriter.h"

namespace {

// Bytes gathered before each write.
constexpr qsizetype kChunk = 1 << 20;

// The columns of the spreadsheet export: Titolo to Web.
void appendCsvRow(QByteArray &out, const ContactRecord &r) {
    for (int i = 0; i <= ContactRecord::Web; ++i) {
        if (i > 0) out += CsvRowWriter::kSeparator;
        CsvRowWriter::appendField(out, r.value(ContactRecord::Field(i)));
    }
    CsvRowWriter::endRow(out);
}

}  // namespace

bool ContactExport::write(ArchiveStore &store, const QString &path, Format format) {
    m_written = 0;
    const QString name = QFileInfo(path).fileName();
    auto failed = [&](const QString &why) {
        m_message = QString::fromUtf8(TransferMessages::kCannotExportText).arg(path, why);
        return false;
    };
    if (store.recordCount() < 0) return failed(store.errorString());
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly)) return failed(out.errorString());
    QByteArray buffer;
    buffer.reserve(kChunk + (64 << 10));
    if (format == Format::Csv) buffer = "\xEF\xBB\xBF" + CsvRowWriter::row(ExportTitles::texts());
    bool writeOk = true;
    const bool readOk = store.forEachRawRecord([&](int n, const char *bytes) {
        if (m_only && !m_only->contains(n)) return true;
        const ContactRecord r = ContactRecord::decode(bytes);
        if (format == Format::Csv)
            appendCsvRow(buffer, r);
        else
            VcardWriter::appendCard(buffer, r);
        ++m_written;
        if (buffer.size() > kChunk) {
            writeOk = out.write(buffer) == buffer.size();
            buffer.resize(0);  // keeps its room
        }
        return writeOk;
    });
    if (!readOk) return failed(store.errorString());
    if (!writeOk || out.write(buffer) != buffer.size()) return failed(out.errorString());
    if (!out.commit()) return failed(out.errorString());
    m_message = QString::fromUtf8(TransferMessages::kExportedText).arg(m_written).arg(name);
    return true;
}
