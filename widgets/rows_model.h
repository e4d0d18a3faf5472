// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractTableModel>
#include <QStringList>

#include <functional>

namespace wordbloom {

// A table model that keeps no rows: it asks a function for each cell it is
// asked for, so that a table of a million rows is set up as fast as one of
// ten. The function must stay valid until the next show() or clear().
class RowsModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    using Cell = std::function<QVariant(int row, int column, int role)>;

    RowsModel(QStringList headers, QObject* parent);

    void show(int rows, Cell cell);
    void clear() { show(0, {}); }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QStringList m_headers;
    int m_rows = 0;
    Cell m_cell;
};

} // namespace wordbloom
