// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "play_history_grid.h"
#include "play_history_view.h"
#include "dialogue/prompter.h"
#include "record/work_dir.h"
#include "dialogue/work_runner.h"

#include <cstddef>
#include <memory>
#include <optional>
#include <string>

namespace wordbloom {

// The play history grid: every saved game, the newest kept in view; a row's
// topic for the game panel; and clearing the whole history.
class PlayHistoryBrowser {
public:
    PlayHistoryBrowser(WorkDir dir, PlayHistoryView& view, Prompter& prompter, WorkRunner& runner);

    // Starts reading "履歴.txt", the longest part of start-up, so that it can
    // go on while the window builds its controls. Nothing is shown.
    void beginLoading();
    // Waits for that reading (or reads now) and shows the rows. A missing or
    // unusable file throws FileError.
    void finishLoading();

    // A game that was just saved.
    void add(const PlayRecord& record);

    // The topic of a clicked row (counted from 0), in the form the files
    // keep it; nothing for a row that is not there or a topic that cannot be
    // used (the player is told why).
    std::optional<std::string> topicOfRow(std::size_t row);

    // Empties "履歴.txt" and the grid after the player confirms.
    void clear();

    const PlayHistoryGrid& rows() const { return m_rows; }

private:
    void bringNewestIntoView();

    WorkDir m_dir;
    PlayHistoryView& m_view;
    Prompter& m_prompter;
    WorkRunner& m_runner;
    PlayHistoryGrid m_rows;
    // The rows as beginLoading reads them, and that reading. The reading goes
    // first when the browser goes.
    std::unique_ptr<PlayHistoryGrid> m_loading;
    std::unique_ptr<PendingWork> m_reading;
};

} // namespace wordbloom
