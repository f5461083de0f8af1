#include "contactfiles/CsvContactReader.h"

#include <csv.h>

#include <QScopeGuard>
#include <QStringList>

#include "contactfiles/TransferMessages.h"

namespace {

// What libcsv's callbacks fill in.
struct RowState {
    TextEncoding::Kind encoding;
    QStringList row;
    bool haveHeader = false;
    bool stop = false;
    bool unrecognised = false;
    ColumnMapping *mapping = nullptr;
    const ContactFileReader::Visitor *visit = nullptr;
};

void onField(void *data, size_t size, void *state) {
    auto *s = static_cast<RowState *>(state);
    s->row.append(
        TextEncoding::decode(static_cast<const char *>(data), qsizetype(size), s->encoding));
}

void onRowEnd(int, void *state) {
    auto *s = static_cast<RowState *>(state);
    // The list keeps its room from row to row.
    const QStringList &row = s->row;
    const auto next = qScopeGuard([s] { s->row.clear(); });
    if (s->stop) return;
    if (!s->haveHeader) {
        if (row.size() == 1 && ContactDraft::isBlank(row.first())) return;  // blank lines first
        s->haveHeader = true;
        *s->mapping = ColumnMapping::fromHeader(row);
        if (!s->mapping->recognised()) {
            s->unrecognised = true;
            s->stop = true;
        }
        return;
    }
    bool empty = true;
    for (const QString &cell : row) empty = empty && ContactDraft::isBlank(cell);
    if (empty) return;
    if (!(*s->visit)(s->mapping->draft(row))) s->stop = true;
}

int isBlank(unsigned char c) {
    return c == ' ' ? 1 : 0;
}

}  // namespace

char CsvContactReader::separatorOf(const QByteArray &headerLine) {
    int semicolons = 0, commas = 0, tabs = 0;
    bool quoted = false;
    for (char c : headerLine) {
        if (c == '"') quoted = !quoted;
        if (quoted) continue;
        if (c == '\n') break;
        semicolons += c == ';';
        commas += c == ',';
        tabs += c == '\t';
    }
    if (tabs > semicolons && tabs > commas) return '\t';
    if (commas > semicolons) return ',';
    return ';';
}

bool CsvContactReader::read(QIODevice &in, TextEncoding::Kind encoding, const Visitor &visit,
                            const Progress &progress) {
    QByteArray block(kBlockSize, Qt::Uninitialized);
    qint64 got = in.read(block.data(), block.size());
    if (got < 0) return fail(in.errorString());
    qint64 offset = 0;
    if (got >= 3 && TextEncoding::startsWithBom(block.left(3))) offset = 3;

    csv_parser parser;
    if (csv_init(&parser, 0) != 0) return fail(QStringLiteral("memoria esaurita"));
    csv_set_delim(&parser, static_cast<unsigned char>(separatorOf(
                               QByteArray::fromRawData(block.constData() + offset, got - offset))));
    csv_set_space_func(&parser, isBlank);

    RowState state;
    state.encoding = encoding;
    state.mapping = &m_mapping;
    state.visit = &visit;
    qint64 total = 0;
    bool ok = true;
    while (got > 0 && !state.stop) {
        const size_t want = size_t(got - offset);
        if (csv_parse(&parser, block.constData() + offset, want, onField, onRowEnd, &state) !=
            want) {
            ok = fail(QString::fromUtf8(TransferMessages::kCsvBrokenText));
            break;
        }
        total += got;
        if (progress) progress(total);
        offset = 0;
        got = in.read(block.data(), block.size());
        if (got < 0) ok = fail(in.errorString());
    }
    // The file ends inside a quoted field (libcsv's state "field begun", 2): the rest of
    // the file would be one value. libcsv reports it itself only in its strict mode, which
    // also refuses the stray quotes real files hold (12" in an unquoted field).
    constexpr int kFieldBegun = 2;
    if (ok && !state.stop && parser.pstate == kFieldBegun && parser.quoted)
        ok = fail(QString::fromUtf8(TransferMessages::kCsvUnclosedQuoteText));
    if (ok && !state.stop && csv_fini(&parser, onField, onRowEnd, &state) != 0)
        ok = fail(QString::fromUtf8(TransferMessages::kCsvBrokenText));
    csv_free(&parser);
    if (!ok) return false;
    if (state.unrecognised || !state.haveHeader)
        return fail(QString::fromUtf8(TransferMessages::kNoHeaderText));
    return true;
}
