// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "record/play_history_file.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace wordbloom {

// One saved game of a topic, as the topic's charts show it.
struct TopicGame {
    std::string date;         // "yyyy/mm/dd", as stored
    std::string time;         // "hh:mm:ss", as stored
    int newAnswers = 0;       // 新
    int existingAnswers = 0;  // 既
    int duplicateAnswers = 0; // 重
    // Characters typed per second over the play length: the stored rate, or,
    // when that cannot be read, the characters over the play length; nothing
    // when neither can be read.
    std::optional<double> charactersPerSecond;
};

struct TopicGames {
    std::vector<TopicGame> games;    // in the order they were played
    std::size_t unreadableDates = 0; // games left out: a date that cannot be read
};

// The saved games of `topic` (in its stored form), ordered by date and time;
// games of the same moment keep their order in the file, and a time that
// cannot be read comes first in its day. A game whose date cannot be read has
// no place on a time line and is only counted.
TopicGames topicGames(const PlayRecords& records, std::string_view topic);

} // namespace wordbloom
