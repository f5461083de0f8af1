#pragma once

#include <QAbstractTableModel>
#include <QList>

#include "contactfiles/ImportRow.h"

// The rows of an import preview as a table: status, name, town, telephone, e-mail and
// what is to be checked.
class ImportPreviewModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    static QStringList headerTexts();

    void setRows(QList<ImportRow> rows);
    const QList<ImportRow> &rows() const { return m_rows; }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    QList<ImportRow> m_rows;
};
