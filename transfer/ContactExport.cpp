#include "transfer/ContactExport.h"

#include <QFileInfo>
#include <QSaveFile>

#include "archive/ArchiveStore.h"
#include "exchange/XlsxExport.h"
#include "transfer/CsvRowWriter.h"
#include "transfer/TransferMessages.h"
#include "transfer/VcardWriter.h"

namespace {

// The columns of the spreadsheet export: Titolo to Web.
QStringList csvFields(const ContactRecord &r) {
    QStringList out;
    for (int i = 0; i <= ContactRecord::Web; ++i) out << r.value(ContactRecord::Field(i));
    return out;
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
    if (format == Format::Csv)
        buffer = "\xEF\xBB\xBF" + CsvRowWriter::row(XlsxExport::headerTexts());
    bool writeOk = true;
    const bool readOk = store.forEachRecord([&](int n, const ContactRecord &r) {
        if (m_only && !m_only->contains(n)) return true;
        buffer += format == Format::Csv ? CsvRowWriter::row(csvFields(r)) : VcardWriter::card(r);
        ++m_written;
        if (buffer.size() > (1 << 20)) {
            writeOk = out.write(buffer) == buffer.size();
            buffer.clear();
        }
        return writeOk;
    });
    if (!readOk) return failed(store.errorString());
    if (!writeOk || out.write(buffer) != buffer.size()) return failed(out.errorString());
    if (!out.commit()) return failed(out.errorString());
    m_message = QString::fromUtf8(TransferMessages::kExportedText).arg(m_written).arg(name);
    return true;
}
