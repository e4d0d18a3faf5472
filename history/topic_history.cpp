// SPDX-License-Identifier: GPL-3.0-or-later
#include "topic_history.h"

namespace wordbloom {

void TopicHistory::load(const WorkDir& dir, std::string_view topic) {
    std::vector<std::string> associations = readAssociationList(dir, topic);
    AnswerLog log = readAnswerLog(dir, topic);
    m_associations = std::move(associations);
    m_log = std::move(log);
}

void TopicHistory::clear() {
    m_associations.clear();
    m_log.clear();
}

std::string TopicHistory::cellText(std::size_t row, int column) const {
    const AnswerLogRecord record = m_log[row];
    switch (column) {
    case 0:
        return std::to_string(row + 1);
    case 1:
        return record.date;
    case 2:
        return record.time;
    case 3:
        return record.gameNumber;
    case 4:
        return record.answer;
    default:
        return {};
    }
}

} // namespace wordbloom
