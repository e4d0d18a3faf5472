// SPDX-License-Identifier: GPL-3.0-or-later
#include "fakes.h"

#include <ctime>

namespace wordbloom::testing {

namespace {

template <typename Grid>
std::vector<std::string> rowOf(const Grid& grid, std::size_t row, int columns) {
    std::vector<std::string> cells;
    cells.reserve(static_cast<std::size_t>(columns));
    for (int column = 0; column < columns; ++column) {
        cells.push_back(grid.cellText(row, column));
    }
    return cells;
}

} // namespace

FakeClock::FakeClock(CalendarTime start) {
    std::tm tm{};
    tm.tm_year = start.year - 1900;
    tm.tm_mon = start.month - 1;
    tm.tm_mday = start.day;
    tm.tm_hour = start.hour;
    tm.tm_min = start.minute;
    tm.tm_sec = start.second;
    m_wall = ::timegm(&tm);
}

CalendarTime FakeClock::now() const {
    const std::time_t seconds = m_wall;
    std::tm tm{};
    ::gmtime_r(&seconds, &tm);
    return {tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec};
}

void FakeClock::advance(std::int64_t seconds) {
    m_wall += seconds;
    m_play += seconds;
}

MessageAnswer FakePrompter::ask(const Message& message) {
    shown.push_back(message);
    if (answers.empty()) {
        return MessageAnswer::Ok;
    }
    const MessageAnswer answer = answers.front();
    answers.pop_front();
    return answer;
}

void FakeView::showAnswerRows(const AnswerGrid& grid) {
    answerRows.clear();
    for (std::size_t row = 0; row < grid.rowCount(); ++row) {
        answerRows.push_back({grid.cellText(row, 0), grid.cellText(row, 1), grid.kind(row)});
    }
}

void FakeView::answerRowAdded(const AnswerGrid& grid) {
    const std::size_t row = grid.rowCount() - 1;
    answerRows.push_back({grid.cellText(row, 0), grid.cellText(row, 1), grid.kind(row)});
}

void FakeView::showHistoryRows(const PlayHistoryGrid& grid) {
    historyRows.clear();
    for (std::size_t row = 0; row < grid.rowCount(); ++row) {
        historyRows.push_back(rowOf(grid, row, PlayHistoryGrid::kColumnCount));
    }
}

void FakeView::historyRowAdded(const PlayHistoryGrid& grid) {
    historyRows.push_back(rowOf(grid, grid.rowCount() - 1, PlayHistoryGrid::kColumnCount));
}

void FakeView::showTopicHistory(const TopicHistory& history) {
    panelAssociations = history.associations();
    topicLogRows.clear();
    for (std::size_t row = 0; row < history.logRowCount(); ++row) {
        topicLogRows.push_back(rowOf(history, row, TopicHistory::kColumnCount));
    }
}

std::string FakeView::label(ResultLabel which) const {
    const auto found = labels.find(which);
    return found == labels.end() ? "(design)" : found->second;
}

} // namespace wordbloom::testing
