#include "contactlist/ContactListModel.h"

#include <algorithm>
#include <cstring>
#include <numeric>

#include "archive/ArchiveStore.h"

ContactListModel::ContactListModel(const QString &folder, QObject *parent)
    : QAbstractTableModel(parent), m_folder(folder) {}

int ContactListModel::rowCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : shownCount();
}

int ContactListModel::columnCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : ListColumns::Count;
}

QVariant ContactListModel::data(const QModelIndex &index, int role) const {
    if (!index.isValid() || index.row() >= shownCount()) return {};
    const auto column = ListColumns::Column(index.column());
    switch (role) {
        case Qt::DisplayRole:
        case Qt::AccessibleTextRole:
            return text(index.row(), column);
        case Qt::TextAlignmentRole:
            if (column == ListColumns::Number) return int(Qt::AlignRight | Qt::AlignVCenter);
            return {};
        default:
            return {};
    }
}

QVariant ContactListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= ListColumns::Count) return {};
    if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole)
        return ListColumns::title(ListColumns::Column(section));
    return {};
}

bool ContactListModel::reload() {
    beginResetModel();
    ArchiveStore store = m_folder.isEmpty() ? ArchiveStore() : ArchiveStore(m_folder);
    m_readOk = m_table.load(store);
    m_order.resize(size_t(m_table.size()));
    std::iota(m_order.begin(), m_order.end(), 0);
    arrange();
    m_kept.assign(size_t(m_table.size()), 1);
    refilter(false);
    endResetModel();
    emit reloaded();
    return m_readOk;
}

bool ContactListModel::archiveChanged() const {
    const ArchiveStore store = m_folder.isEmpty() ? ArchiveStore() : ArchiveStore(m_folder);
    return !(FileStamp::of(store.archivePath()) == m_table.stamp());
}

bool ContactListModel::reloadIfChanged() {
    if (!archiveChanged()) return false;
    reload();
    return true;
}

void ContactListModel::arrange() {
    const auto column = ListColumns::Column(m_sortColumn);
    const bool descending = m_sortOrder == Qt::DescendingOrder;
    auto byNumber = [&](int a, int b) {
        return descending ? m_table.number(a) > m_table.number(b)
                          : m_table.number(a) < m_table.number(b);
    };
    if (column == ListColumns::Number) {
        std::sort(m_order.begin(), m_order.end(), byNumber);
        return;
    }
    // The keys looked up once; rows are in number order, so ties go by row.
    std::vector<QByteArrayView> keys(size_t(m_table.size()));
    for (int r = 0; r < m_table.size(); ++r) keys[size_t(r)] = m_table.folded(r, column);
    std::sort(m_order.begin(), m_order.end(), [&](int a, int b) {
        const QByteArrayView &x = keys[size_t(a)];
        const QByteArrayView &y = keys[size_t(b)];
        const int c = std::memcmp(x.data(), y.data(), size_t(std::min(x.size(), y.size())));
        if (c != 0) return descending ? c > 0 : c < 0;
        if (x.size() != y.size()) return descending ? x.size() > y.size() : x.size() < y.size();
        return a < b;
    });
}

void ContactListModel::sort(int column, Qt::SortOrder order) {
    if (column < 0 || column >= ListColumns::Count) return;
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    // The selection follows its contacts to their new rows.
    const QModelIndexList before = persistentIndexList();
    std::vector<int> tableRows;
    tableRows.reserve(size_t(before.size()));
    for (const QModelIndex &index : before)
        tableRows.push_back(index.row() < shownCount() ? m_visible[size_t(index.row())] : -1);
    m_sortColumn = column;
    m_sortOrder = order;
    arrange();
    refilter(false);
    std::vector<int> rowOf(size_t(m_table.size()), -1);
    for (size_t i = 0; i < m_visible.size(); ++i) rowOf[size_t(m_visible[i])] = int(i);
    QModelIndexList after;
    after.reserve(before.size());
    for (qsizetype k = 0; k < before.size(); ++k) {
        const int row = tableRows[size_t(k)] < 0 ? -1 : rowOf[size_t(tableRows[size_t(k)])];
        after << (row < 0 ? QModelIndex() : index(row, before[k].column()));
    }
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

void ContactListModel::refilter(bool narrowing) {
    const int rows = m_table.size();
    if (m_filter.isEmpty()) {
        std::fill(m_kept.begin(), m_kept.end(), 1);
    } else if (narrowing) {
        for (int r : m_visible) m_kept[size_t(r)] = m_table.kept(m_filter, r) ? 1 : 0;
    } else {
        for (int r = 0; r < rows; ++r) m_kept[size_t(r)] = m_table.kept(m_filter, r) ? 1 : 0;
    }
    m_visible.clear();
    m_visible.reserve(size_t(rows));
    for (int r : m_order)
        if (m_kept[size_t(r)]) m_visible.push_back(r);
}

void ContactListModel::setFilterText(const QString &text) {
    ListFilter next(text);
    if (next.text() == m_filter.text()) return;
    const bool narrowing = next.narrows(m_filter);
    beginResetModel();
    m_filter = next;
    refilter(narrowing);
    endResetModel();
}

QString ContactListModel::countCaption(int shown, int total, bool filtering) {
    const QString all =
        total == 1 ? QStringLiteral("1 contatto") : QStringLiteral("%1 contatti").arg(total);
    if (!filtering) return all;
    return QStringLiteral("%1 di %2").arg(shown).arg(all);
}

QString ContactListModel::countCaption() const {
    return countCaption(shownCount(), totalCount(), !m_filter.isEmpty());
}

int ContactListModel::rowOfRecord(int number) const {
    for (size_t i = 0; i < m_visible.size(); ++i)
        if (m_table.number(m_visible[i]) == number) return int(i);
    return -1;
}
