// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/rows_model.h"

namespace wordbloom {

RowsModel::RowsModel(QStringList headers, QObject* parent)
    : QAbstractTableModel(parent), m_headers(std::move(headers)) {}

void RowsModel::show(int rows, Cell cell) {
    beginResetModel();
    m_rows = rows;
    m_cell = std::move(cell);
    endResetModel();
}

int RowsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_rows;
}

int RowsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_headers.size());
}

QVariant RowsModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= m_rows || !m_cell) {
        return {};
    }
    return m_cell(index.row(), index.column(), role);
}

QVariant RowsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
        section < m_headers.size()) {
        return m_headers[section];
    }
    if (orientation == Qt::Vertical && role == Qt::DisplayRole) {
        return section + 1;
    }
    return {};
}

} // namespace wordbloom
