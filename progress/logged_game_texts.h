// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "history/game_close_up.h"
#include "history/topic_progress.h"

#include <QString>

namespace wordbloom {

// What the progress window says of a game of the answer log.

// "2024/01/15 の 2 ゲーム目", or "2024/01/15 のゲーム前の回答" for the answers
// given before any game of the day.
QString loggedGameName(const LoggedGame& game);

// The game as the list of games names it, with its answers and whether it
// was saved.
QString loggedGameListText(const TopicProgress& topic, std::size_t game);

// The game's moment, answers and kinds, and where 履歴.txt has it.
QString closeUpSummary(const TopicProgress& topic, const GameCloseUp& closeUp);

// A saved game whose answers are not in the log.
QString unloggedGameText(const TopicGame& game);

} // namespace wordbloom
