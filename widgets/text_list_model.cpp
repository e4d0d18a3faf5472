// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/text_list_model.h"

#include "widgets/shown_text.h"

#include <algorithm>
#include <limits>

namespace wordbloom {

TextListModel::TextListModel(QObject* parent) : QAbstractListModel(parent) {}

void TextListModel::setSource(const std::vector<std::string>* items) {
    m_items = items;
    itemsReset();
}

void TextListModel::itemsReset() {
    beginResetModel();
    m_count = sourceCount();
    endResetModel();
}

void TextListModel::itemsAppended() {
    const int count = sourceCount();
    if (count < m_count) {
        itemsReset();
    } else if (count > m_count) {
        beginInsertRows({}, m_count, count - 1);
        m_count = count;
        endInsertRows();
    }
}

int TextListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_count;
}

QVariant TextListModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !checkIndex(index, CheckIndexOption::IndexIsValid)) {
        return {};
    }
    return shownText((*m_items)[static_cast<std::size_t>(index.row())]);
}

// The views count rows in int; a longer vector shows its first INT_MAX texts.
int TextListModel::sourceCount() const {
    if (m_items == nullptr) {
        return 0;
    }
    return static_cast<int>(
        std::min(m_items->size(), static_cast<std::size_t>(std::numeric_limits<int>::max())));
}

} // namespace wordbloom
