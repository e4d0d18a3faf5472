// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/text_grid_model.h"

#include "widgets/shown_text.h"
#include "widgets/text_grid_style.h"

namespace wordbloom {

void TextGridModel::setLayout(const GridLayout& layout) {
    beginResetModel();
    m_columns = layout.columns;
    m_fixedFirstColumn = layout.fixedFirstColumn;
    m_rows = 0;
    m_backgrounds.clear();
    m_textRoom.clear();
    endResetModel();
}

QFont TextGridModel::cellFont(int column, const QString& shown) const {
    const auto index = static_cast<std::size_t>(column);
    if (column < 0 || index >= m_textRoom.size() || m_textRoom[index] <= 0) {
        return m_view.font();
    }
    return fittingFont(m_view.font(), shown, m_textRoom[index]);
}

void TextGridModel::setSource(std::function<std::size_t()> dataRowCount,
                              TextGrid::CellText cellText) {
    m_dataRowCount = std::move(dataRowCount);
    m_cellText = std::move(cellText);
    reset();
}

void TextGridModel::reset() {
    beginResetModel();
    m_rows = sourceRows();
    m_backgrounds.clear();
    endResetModel();
}

void TextGridModel::append() {
    const int rows = sourceRows();
    if (rows < m_rows) {
        reset();
    } else if (rows > m_rows) {
        beginInsertRows({}, m_rows, rows - 1);
        m_rows = rows;
        endInsertRows();
    }
}

QString TextGridModel::text(std::size_t row, int column) const {
    if (column < 0 || column >= columnCount({}) || row > dataRows()) {
        return {};
    }
    if (row == 0) {
        return QString::fromStdString(m_columns[static_cast<std::size_t>(column)].header);
    }
    return shownText(m_cellText(row, column));
}

void TextGridModel::setCellBackground(std::size_t row, int column, const QColor& colour,
                                      const QString& meaning) {
    if (row == 0 || row > dataRows() || column < 0 || column >= columnCount({})) {
        return;
    }
    const QModelIndex cell = index(static_cast<int>(row - 1), column);
    m_backgrounds[{cell.row(), column}] = {colour, meaning};
    emit dataChanged(cell, cell, {Qt::BackgroundRole, Qt::AccessibleTextRole});
}

int TextGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_rows;
}

int TextGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_columns.size());
}

QVariant TextGridModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid)) {
        return {};
    }
    const int column = index.column();
    switch (role) {
    case Qt::DisplayRole:
        return text(static_cast<std::size_t>(index.row()) + 1, column);
    case Qt::TextAlignmentRole:
        return dataAlignment(m_columns[static_cast<std::size_t>(column)].data).toInt();
    case Qt::BackgroundRole:
        if (const auto found = m_backgrounds.find({index.row(), column});
            found != m_backgrounds.end()) {
            return QBrush(found->second.colour);
        }
        return isFixed(column) ? QVariant(m_view.palette().button()) : QVariant();
    case Qt::AccessibleTextRole:
        // Empty where the colour means nothing: the cell's text is read then.
        if (const auto found = m_backgrounds.find({index.row(), column});
            found != m_backgrounds.end() && !found->second.meaning.isEmpty()) {
            return text(static_cast<std::size_t>(index.row()) + 1, column) + QLatin1Char(' ') +
                   found->second.meaning;
        }
        return {};
    case Qt::ForegroundRole:
        return isFixed(column) ? QVariant(m_view.palette().buttonText()) : QVariant();
    case Qt::FontRole: {
        const QFont font =
            cellFont(column, text(static_cast<std::size_t>(index.row()) + 1, column));
        return font == m_view.font() ? QVariant() : QVariant(font);
    }
    default:
        return {};
    }
}

QVariant TextGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole) {
        return text(0, section);
    }
    return {};
}

Qt::ItemFlags TextGridModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) {
        return Qt::NoItemFlags;
    }
    const Qt::ItemFlags fixed = Qt::ItemIsEnabled | Qt::ItemNeverHasChildren;
    return isFixed(index.column()) ? fixed : fixed | Qt::ItemIsSelectable;
}

int TextGridModel::sourceRows() const {
    return m_dataRowCount && m_cellText ? clampedCount(m_dataRowCount()) : 0;
}

} // namespace wordbloom
