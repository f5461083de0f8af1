#include "contactfiles/ImportPreviewModel.h"

#include <QBrush>
#include <QColor>

QStringList ImportPreviewModel::headerTexts() {
    return {QStringLiteral("Stato"),  QStringLiteral("Persona o azienda"),
            QStringLiteral("Città"),  QStringLiteral("Telefono"),
            QStringLiteral("E-mail"), QStringLiteral("Da controllare")};
}

void ImportPreviewModel::setRows(QList<ImportRow> rows) {
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
}

int ImportPreviewModel::rowCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : int(m_rows.size());
}

int ImportPreviewModel::columnCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : int(headerTexts().size());
}

QVariant ImportPreviewModel::data(const QModelIndex &index, int role) const {
    if (!index.isValid() || index.row() >= m_rows.size()) return {};
    const ImportRow &row = m_rows.at(index.row());
    if (role == Qt::ForegroundRole && index.column() == 0) {
        if (row.status == ImportRow::Status::AlreadyPresent)
            return QBrush(QColor(0x80, 0x80, 0x80));
        if (row.status == ImportRow::Status::ToCheck) return QBrush(QColor(0x9c, 0x3d, 0x00));
        return QBrush(QColor(0x1b, 0x6e, 0x20));
    }
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole) return {};
    switch (index.column()) {
        case 0:
            return ImportRow::statusText(row.status);
        case 1:
            return row.record.value(ContactRecord::Titolo);
        case 2:
            return row.record.value(ContactRecord::Citta);
        case 3:
            return row.record.value(ContactRecord::Tel);
        case 4:
            return row.record.value(ContactRecord::Email);
        case 5:
            return row.status == ImportRow::Status::AlreadyPresent ? QString() : row.note;
    }
    return {};
}

QVariant ImportPreviewModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Vertical) return section + 1;
    return headerTexts().value(section);
}
