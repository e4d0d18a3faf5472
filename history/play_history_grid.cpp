#include "play_history_grid.h"

#include "grid_layout.h"
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

} // namespace

void PlayHistoryGrid::load(const WorkDir& dir) {
    PlayHistory history = readPlayHistory(dir);
    m_records = std::move(history.records);
    m_skippedLines = history.skippedLines;
}

std::string PlayHistoryGrid::cellText(std::size_t row, int column) const {
    if (row == 0) {
        static const GridLayout layout = SetupHistoryGrid();
        return layout.columns.at(static_cast<std::size_t>(column)).header;
    }
    const PlayRecord r = record(row);
    switch (column) {
    case 0:
        return std::to_string(row);
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
