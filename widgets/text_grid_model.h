// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "widgets/grid_layout.h"
#include "widgets/text_grid.h"

#include <QAbstractTableModel>
#include <QFont>

#include <functional>
#include <map>
#include <vector>

namespace wordbloom {

// The grid's table model: model row r is data row r + 1 of the grid, and the
// header row is the view's horizontal header. Texts are fetched from the row
// source when asked for; only the row count is kept, so that the views see a
// count that changes only through the model's notifications.
class TextGridModel final : public QAbstractTableModel {
public:
    explicit TextGridModel(TextGrid& view) : QAbstractTableModel(&view), m_view(view) {}

    void setLayout(const GridLayout& layout);

    const std::vector<GridColumn>& columns() const { return m_columns; }

    // The room in pixels for the text of each column's cells; 0 for a
    // column whose text is free and never condensed.
    void setTextRoom(std::vector<int> room) { m_textRoom = std::move(room); }

    // The font a cell of the column draws the text in: the grid's font, or
    // where the text is too wide for the cell, the same font condensed just
    // enough. Ordinary values keep the plain font.
    QFont cellFont(int column, const QString& shown) const;

    void setSource(std::function<std::size_t()> dataRowCount, TextGrid::CellText cellText);

    void reset();

    void append();

    std::size_t dataRows() const { return static_cast<std::size_t>(m_rows); }

    // Row 0 is the header row; empty outside the grid.
    QString text(std::size_t row, int column) const;

    void setCellBackground(std::size_t row, int column, const QColor& colour,
                           const QString& meaning);

    int rowCount(const QModelIndex& parent = {}) const override;

    int columnCount(const QModelIndex& parent = {}) const override;

    QVariant data(const QModelIndex& index, int role) const override;

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    int sourceRows() const;

    bool isFixed(int column) const { return m_fixedFirstColumn && column == 0; }

    const QWidget& m_view;
    std::vector<GridColumn> m_columns;
    bool m_fixedFirstColumn = false;
    std::function<std::size_t()> m_dataRowCount;
    TextGrid::CellText m_cellText;
    int m_rows = 0;
    struct Background {
        QColor colour;
        QString meaning; // for screen readers
    };
    std::map<std::pair<int, int>, Background> m_backgrounds; // by model row and column
    std::vector<int> m_textRoom;                             // by column
};

} // namespace wordbloom
