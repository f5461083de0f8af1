#pragma once

// Folder contactlist/: the contact list: the table model over the archive with its filter
// rule (shared with the terminal's list --filter) and sorting, the column layout kept in
// the settings, the actions on the selected contacts, and the list window.

#include <QAbstractTableModel>
#include <QList>
#include <vector>

#include "archive/RecordIdentity.h"
#include "contactlist/ContactTable.h"
#include "contactlist/ListFilter.h"

// The contact list's table: one row per contact of the archive, the columns of
// ListColumns, sorted by any column (by number to begin with) and narrowed by the filter.
// The archive is read again, keeping filter and order, when its file changed.
class ContactListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // The archive of the program folder, or of `folder`.
    explicit ContactListModel(const QString &folder = QString(), QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    // Sorted without regard to case or accents; equal texts stay in archive order.
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

    // Reads the archive again; false when it cannot be read (the list is then empty).
    bool reload();
    // Whether the archive's file changed since it was read (size, time or the file itself).
    bool archiveChanged() const;
    // Reads it again when its file changed since; true when it did.
    bool reloadIfChanged();
    bool readOk() const { return m_readOk; }

    void setFilterText(const QString &text);
    QString filterText() const { return m_filter.text(); }

    int totalCount() const { return m_table.size(); }
    int shownCount() const { return int(m_visible.size()); }
    // "N contatti", or "M di N contatti" while the filter leaves out some.
    QString countCaption() const;
    static QString countCaption(int shown, int total, bool filtering);

    // About the contact on a row of the list.
    RecordIdentity identity(int row) const { return m_table.identity(m_visible[size_t(row)]); }
    QString text(int row, ListColumns::Column column) const {
        return m_table.text(m_visible[size_t(row)], column);
    }
    // The row that shows record `number`, or -1.
    int rowOfRecord(int number) const;

    int sortColumn() const { return m_sortColumn; }
    Qt::SortOrder sortOrder() const { return m_sortOrder; }

signals:
    // The archive was read again (the rows have changed).
    void reloaded();

private:
    void arrange();
    void refilter(bool narrowing);

    QString m_folder;
    ContactTable m_table;
    bool m_readOk = true;
    ListFilter m_filter;
    std::vector<int> m_order;    // every row of the table, in the sort order
    std::vector<char> m_kept;    // per table row: the filter keeps it
    std::vector<int> m_visible;  // the rows shown, in the sort order
    int m_sortColumn = ListColumns::Number;
    Qt::SortOrder m_sortOrder = Qt::AscendingOrder;
};
