// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "topic_answer_log.h"
#include "topic_games.h"

#include <optional>
#include <vector>

namespace wordbloom {

// Which saved game of 履歴.txt is which game of the answer log. A record of
// 履歴.txt has no game number: it is stored when the game is saved, so it
// belongs to the last game begun before that moment. A game of the log may
// have no record (answers before any game, a game never saved), or two when it
// was saved twice.
struct SavedGameLinks {
    // By saved game (TopicProgress::games): its game of the log, if any.
    std::vector<std::optional<std::size_t>> loggedGameOfSaved;
    // By game of the log: its first saved game, if any.
    std::vector<std::optional<std::size_t>> savedGameOfLogged;
};

// Links the saved games (in the order played) with the log's games. Only
// games whose date and time can be read are placed.
SavedGameLinks linkSavedGames(const std::vector<TopicGame>& saved, const TopicAnswerLog& log);

} // namespace wordbloom
