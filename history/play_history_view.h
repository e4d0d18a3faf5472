// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "play_history_grid.h"

#include <cstddef>

namespace wordbloom {

// What the history browser changes in the play history grid. The rows are
// passed as the browser's own container, valid until the next call.
class PlayHistoryView {
public:
    virtual ~PlayHistoryView() = default;
    virtual void showHistoryRows(const PlayHistoryGrid& rows) = 0;
    virtual void historyRowAdded(const PlayHistoryGrid& rows) = 0;
    virtual void setHistoryGridTopRow(std::size_t row) = 0;
};

} // namespace wordbloom
