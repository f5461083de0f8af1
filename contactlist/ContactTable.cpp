#include "contactlist/ContactTable.h"

#include "archive/ArchiveStore.h"
#include "archive/Cp1252Codec.h"
#include "contactlist/FieldBytes.h"
#include "contactlist/FilterText.h"

bool ContactTable::load(ArchiveStore &store) {
    m_rows.clear();
    m_text.clear();
    m_folded.clear();
    // The stamp first: a change made while reading shows as a change next time.
    m_stamp = FileStamp::of(store.archivePath());
    const int count = store.recordCount();
    if (count < 0) return false;
    m_rows.reserve(size_t(count));
    m_text.reserve(qsizetype(count) * 64);
    m_folded.reserve(qsizetype(count) * 96);
    const bool ok = store.forEachRawRecord([&](int n, const char *raw) {
        Row row;
        row.number = n;
        row.fingerprint = RecordIdentity::of(raw);
        row.text = quint32(m_text.size());
        const FieldBytes::Shown fields = FieldBytes::shown(raw);
        for (size_t c = 0; c < fields.size(); ++c) {
            row.length[c] = quint8(fields[c].size);
            m_text.append(fields[c].data, fields[c].size);
        }
        row.folded = quint32(m_folded.size());
        row.firstPart = quint16(FilterText::append(fields, m_folded));
        row.foldedSize = quint16(m_folded.size() - row.folded);
        m_rows.push_back(row);
        return true;
    });
    if (!ok) {
        m_rows.clear();
        m_text.clear();
        m_folded.clear();
    }
    return ok;
}

int ContactTable::start(const Row &row, ListColumns::Column column) const {
    int at = 0;
    for (int c = 1; c < column; ++c) at += row.length[size_t(c - 1)];
    return at;
}

QString ContactTable::text(int row, ListColumns::Column column) const {
    const Row &r = m_rows[size_t(row)];
    if (column == ListColumns::Number) return QString::number(r.number);
    return Cp1252Codec::decode(m_text.constData() + r.text + start(r, column),
                               r.length[size_t(column - 1)]);
}

QByteArrayView ContactTable::folded(int row, ListColumns::Column column) const {
    const Row &r = m_rows[size_t(row)];
    // In the FilterText every field is followed by its zero byte.
    const int at = start(r, column) + (column - 1);
    return QByteArrayView(m_folded.constData() + r.folded + at, r.length[size_t(column - 1)]);
}
