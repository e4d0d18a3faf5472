// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/game_panel_view.h"
#include "history/play_history_view.h"
#include "history/progress_view.h"
#include "history/topic_panel_view.h"

namespace wordbloom {

// What the window changes: the game panel, the play history grid, the topic
// history panel and the progress window.
class GameView : public GamePanelView,
                 public PlayHistoryView,
                 public TopicPanelView,
                 public ProgressView {};

} // namespace wordbloom
