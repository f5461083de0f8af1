#include "exchange/XlsxExport.h"

#include <xlsxwriter.h>

#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>
#include <array>
#include <cstdio>

#include "archive/ArchiveStore.h"
#include "exchange/ColumnWidth.h"

namespace {

// Columns A to K and the record field each one shows.
constexpr std::array<ContactRecord::Field, XlsxExport::kColumns> kFields = {
    ContactRecord::Titolo,       ContactRecord::Sottotitolo, ContactRecord::Indirizzo,
    ContactRecord::Citta,        ContactRecord::Iva,         ContactRecord::Tel,
    ContactRecord::Fax,          ContactRecord::Cel,         ContactRecord::Email,
    ContactRecord::Informazioni, ContactRecord::Web};

QString libraryError(lxw_error e) {
    return QString::fromUtf8(lxw_strerror(e));
}

}  // namespace

QStringList XlsxExport::headerTexts() {
    return {QStringLiteral("Persona o azienda"),
            QStringLiteral("Specialità"),
            QStringLiteral("Indirizzo"),
            QStringLiteral("Città"),
            QStringLiteral("Partita IVA"),
            QStringLiteral("Telefono"),
            QStringLiteral("Fax"),
            QStringLiteral("Cellulare"),
            QStringLiteral("E-mail"),
            QStringLiteral("Informazioni aggiuntive"),
            QStringLiteral("Sito Web")};
}

QString XlsxExport::cellText(const QString &value) {
    QString out;
    bool clean = true;
    for (QChar c : value)
        if (c.unicode() < 0x20 && c != u'\t' && c != u'\n' && c != u'\r') clean = false;
    if (clean) return value;
    out.reserve(value.size());
    for (QChar c : value)
        if (c.unicode() >= 0x20 || c == u'\t' || c == u'\n' || c == u'\r') out += c;
    return out;
}

bool XlsxExport::write(ArchiveStore &store, const QString &path, const Progress &progress) {
    m_rows = 0;
    m_error.clear();
    if (store.recordCount() < 0) {
        m_error = store.errorString();
        return false;
    }

    // The workbook is written under a temporary name beside the target and renamed over
    // it when complete, so a failed export never leaves a broken file in its place. The
    // streamed rows also go to that folder, not to /tmp, so that a large archive does not
    // depend on the size of the temporary area.
    const QString folder = QFileInfo(path).absolutePath();
    QTemporaryFile reserve(folder + QStringLiteral("/.cartaflex-XXXXXX.xlsx"));
    if (!reserve.open()) {
        m_error = reserve.errorString();
        return false;
    }
    const QString partial = reserve.fileName();
    reserve.close();
    reserve.setAutoRemove(false);
    const QByteArray target = QFile::encodeName(partial);
    const QByteArray tmpdir = QFile::encodeName(folder);
    lxw_workbook_options options{};
    options.constant_memory = LXW_TRUE;
    options.tmpdir = const_cast<char *>(tmpdir.constData());
    lxw_workbook *book = workbook_new_opt(target.constData(), &options);
    if (!book) {
        QFile::remove(partial);
        m_error = QStringLiteral("impossibile creare la cartella di lavoro %1").arg(path);
        return false;
    }
    lxw_worksheet *sheet = workbook_add_worksheet(book, nullptr);
    lxw_format *text = workbook_add_format(book);
    format_set_num_format(text, "@");
    lxw_format *header = workbook_add_format(book);
    format_set_num_format(header, "@");
    format_set_bold(header);

    std::array<ColumnWidth, kColumns> widths;
    lxw_error failed = LXW_NO_ERROR;
    const QStringList titles = headerTexts();
    for (int c = 0; c < kColumns; ++c) {
        const lxw_error e =
            worksheet_write_string(sheet, 0, lxw_col_t(c), titles[c].toUtf8().constData(), header);
        if (e != LXW_NO_ERROR) failed = e;
        widths[c].add(titles[c], true);
    }

    const bool readOk = store.forEachRecord([&](int n, const ContactRecord &record) {
        for (int c = 0; c < kColumns; ++c) {
            const QString value = cellText(record.value(kFields[c]));
            const lxw_error e = worksheet_write_string(sheet, lxw_row_t(n), lxw_col_t(c),
                                                       value.toUtf8().constData(), text);
            if (e != LXW_NO_ERROR) failed = e;
            widths[c].add(value);
        }
        m_rows = n;
        if (progress) progress(n);
        return failed == LXW_NO_ERROR;
    });

    for (int c = 0; c < kColumns; ++c)
        if (widths[c].width() > 0)
            worksheet_set_column(sheet, lxw_col_t(c), lxw_col_t(c), widths[c].width(), nullptr);

    const lxw_error closed = workbook_close(book);
    if (!readOk || failed != LXW_NO_ERROR || closed != LXW_NO_ERROR) {
        m_error =
            !readOk ? store.errorString() : libraryError(failed != LXW_NO_ERROR ? failed : closed);
        QFile::remove(partial);
        return false;
    }
    QFile::setPermissions(
        partial, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    if (std::rename(target.constData(), QFile::encodeName(path).constData()) != 0) {
        m_error = QStringLiteral("impossibile scrivere %1").arg(path);
        QFile::remove(partial);
        return false;
    }
    return true;
}
