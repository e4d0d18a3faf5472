// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractListModel>

#include <string>
#include <vector>

namespace wordbloom {

// A list model over a vector of UTF-8 texts owned elsewhere, each shown as
// shownText shows it. The model keeps
// only the row count it last announced; tell it when the vector changes.
class TextListModel : public QAbstractListModel {
    Q_OBJECT
public:
    explicit TextListModel(QObject* parent = nullptr);

    // Shows the texts of `items`, or nothing when null. The vector must
    // outlive the model or be replaced first.
    void setSource(const std::vector<std::string>* items);
    // The vector changed entirely.
    void itemsReset();
    // The vector has grown at its end.
    void itemsAppended();

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

private:
    int sourceCount() const;

    const std::vector<std::string>* m_items = nullptr;
    int m_count = 0;
};

} // namespace wordbloom
