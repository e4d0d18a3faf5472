#pragma once

#include "game/game_panel_view.h"
#include "history/play_history_view.h"
#include "history/topic_panel_view.h"

namespace wordbloom {

// The three panels the form changes: the game panel, the play history grid
// and the topic history panel.
class GameView : public GamePanelView, public PlayHistoryView, public TopicPanelView {};

} // namespace wordbloom
