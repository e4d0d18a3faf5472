// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "record/play_history_file.h"
#include "record/work_dir.h"

#include <optional>
#include <string>

namespace wordbloom {

// The rows of the play history grid: one per saved game, oldest first, in the
// order of "履歴.txt". Rows count from 0.
class PlayHistoryGrid {
public:
    static constexpr int kColumnCount = 11;
    static constexpr int kTopicColumn = 3;

    // Replaces the rows with the records of "履歴.txt". A missing file throws
    // FileError; short or torn records are left out.
    void load(const WorkDir& dir);

    void addRow(const PlayRecord& record) { m_records.push_back(record); }
    void clearRows() { m_records.clear(); }

    std::size_t rowCount() const { return m_records.size(); }
    std::size_t skippedLines() const { return m_skippedLines; }

    // The text of a cell of row `row`: the game's number, counted from 1,
    // the stored date as "YY/MM/DD", the stored time as "HH:MM", then the
    // record's fields as stored (the new and existing counts as numbers). A
    // stored date or time that is not valid is shown as it stands.
    std::string cellText(std::size_t row, int column) const;

    // The record shown on row `row`.
    PlayRecord record(std::size_t row) const { return m_records[row]; }

    // The row to scroll to so that the newest game is in view: the last row,
    // once the rows no longer fit the grid; nothing while they do.
    std::optional<std::size_t> rowBringingNewestIntoView() const;

private:
    PlayRecords m_records;
    std::size_t m_skippedLines = 0;
};

} // namespace wordbloom
