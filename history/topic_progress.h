// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "favourite_answers.h"
#include "saved_game_links.h"
#include "topic_answer_log.h"
#include "topic_games.h"
#include "vocabulary_growth.h"

#include "record/work_dir.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace wordbloom {

// The game that stands out in one way: where it is among the topic's games,
// its value and its date.
struct PersonalBest {
    std::size_t game = 0; // index into TopicProgress::games
    double value = 0;
    std::string date; // "yyyy/mm/dd", as stored
};

// Everything the progress charts show for one topic.
struct TopicProgress {
    // The saved games, oldest first: 新, 既 and 重 stacked for each game, and
    // the rate line over the games that have a rate.
    std::vector<TopicGame> games;
    // The different answers given so far, after each game of the answer log.
    std::vector<VocabularyPoint> vocabulary;
    // The most 新 in one game and the fastest typing; the earlier game wins a
    // tie. Nothing when no game has that value.
    std::optional<PersonalBest> mostNewAnswers;
    std::optional<PersonalBest> bestRate;
    // Every logged answer, game by game, kept so that any game can be looked
    // at closely; which saved game is which game of the log; the answers
    // given most often.
    TopicAnswerLog answerLog;
    SavedGameLinks savedLinks;
    std::vector<AnswerCount> favouriteAnswers;

    std::size_t unreadableDates = 0;       // the topic's games left out for their date
    std::size_t skippedHistoryLines = 0;   // lines of 履歴.txt that could not be read
    std::size_t skippedAnswerLogLines = 0; // lines of the answer log that could not be read
};

// Reads the topic's answer log (topic in its stored form) and works out the
// topic's charts with the play history already read. A missing log reads as
// empty, and nothing is created or changed; a log that cannot be read throws
// FileError.
TopicProgress readTopicProgress(const WorkDir& dir, const PlayHistory& history,
                                std::string_view topic);

} // namespace wordbloom
