#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <array>
#include <vector>

#include "archive/RecordIdentity.h"
#include "contactlist/FileStamp.h"
#include "contactlist/ListColumns.h"

class ArchiveStore;

// The archive as the contact list holds it: for every whole record its number, its
// identity, the bytes of the seven shown fields (decoded only when a cell is drawn) and
// the text the filter reads. The archive is read once, in large blocks.
class ContactTable {
public:
    // Reads the archive of `store`; false when it cannot be read (the table is then empty).
    bool load(ArchiveStore &store);

    int size() const { return int(m_rows.size()); }
    int number(int row) const { return m_rows[size_t(row)].number; }
    RecordIdentity identity(int row) const {
        return {m_rows[size_t(row)].number, m_rows[size_t(row)].fingerprint};
    }
    // A shown field, decoded from the archive's code page.
    QString text(int row, ListColumns::Column column) const;
    // A shown field folded as the filter reads it (for sorting without regard to case).
    QByteArrayView folded(int row, ListColumns::Column column) const;
    // Whether `filter` keeps the row.
    template <typename Filter>
    bool kept(const Filter &filter, int row) const {
        const Row &r = m_rows[size_t(row)];
        return filter.matches(m_folded.constData() + r.folded, r.firstPart, r.foldedSize);
    }

    // The archive's file as it was when it was read.
    FileStamp stamp() const { return m_stamp; }

private:
    struct Row {
        int number = 0;
        size_t fingerprint = 0;
        quint32 text = 0;    // offset of the seven fields in m_text
        quint32 folded = 0;  // offset of the FilterText in m_folded
        quint16 firstPart = 0;
        quint16 foldedSize = 0;
        std::array<quint8, ListColumns::kFieldColumns> length{};
    };
    int start(const Row &row, ListColumns::Column column) const;

    std::vector<Row> m_rows;
    QByteArray m_text;
    QByteArray m_folded;
    FileStamp m_stamp;
};
