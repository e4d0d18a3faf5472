// SPDX-License-Identifier: GPL-3.0-or-later
#include "play_history_grid.h"

#include "record/formats.h"

namespace wordbloom {

namespace {

std::string shortDate(const std::string& stored) {
    const auto date = parseStoredDate(stored);
    return date ? formatShortDate(*date) : stored;
}

std::string shortTime(const std::string& stored) {
    const auto time = parseStoredTime(stored);
    return time ? formatShortTime(*time) : stored;
}

// The grid shows this many games without scrolling.
constexpr std::size_t kRowsInView = 6;

} // namespace

std::optional<std::size_t> PlayHistoryGrid::rowBringingNewestIntoView() const {
    if (rowCount() > kRowsInView) {
        return rowCount() - 1;
    }
    return std::nullopt;
}

void PlayHistoryGrid::load(const WorkDir& dir) {
    PlayHistory history = readPlayHistory(dir);
    m_records = std::move(history.records);
    m_skippedLines = history.skippedLines;
}

std::string PlayHistoryGrid::cellText(std::size_t row, int column) const {
    const PlayRecord r = record(row);
    switch (column) {
    case 0:
        return std::to_string(row + 1);
    case 1:
        return shortDate(r.date);
    case 2:
        return shortTime(r.time);
    case 3:
        return r.topic;
    case 4:
        return r.total;
    case 5:
        return std::to_string(r.newCount);
    case 6:
        return std::to_string(r.existingCount);
    case 7:
        return r.duplicateCount;
    case 8:
        return r.characters;
    case 9:
        return r.rate;
    case 10:
        return r.playLength;
    default:
        return {};
    }
}

} // namespace wordbloom
